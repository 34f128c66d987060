#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <memory>
#include <optional>

#include "platform/printer/Printer.h"

// The printer's canvas on a QPainter: ANSI texts drawn in the current font, the font kept as a
// TFont of the device's resolution.
class TQtCanvas : public TCanvas {
 public:
  TQtCanvas() = default;
  // Starts drawing on a device of the given resolution.
  void Begin(QPainter* painter, QPaintDevice* device, int pixelsPerInch);
  void End();

  TFont& Font() override { return font_; }
  int TextWidth(const std::string& text) override;
  void TextRect(const TRect& rect, int x, int y, const std::string& text) override;
  TTextMetric GetTextMetrics() override;

 private:
  // The Qt font and its metrics for the current TFont, made again only when it changed.
  const QFontMetrics& Metrics();

  TFont font_;
  QPainter* painter_ = nullptr;
  QPaintDevice* device_ = nullptr;
  TFont fontFor_;  // the TFont that qfont_ was made from
  QFont qfont_;
  std::optional<QFontMetrics> metrics_;
};
