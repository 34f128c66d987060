#include "platform/printer/QtCanvas.h"

#include "platform/system/CodePage.h"

void TQtCanvas::Begin(QPainter* painter, QPaintDevice* device, int pixelsPerInch) {
  painter_ = painter;
  device_ = device;
  font_.PixelsPerInch = pixelsPerInch;
  metrics_.reset();
}

void TQtCanvas::End() {
  painter_ = nullptr;
  device_ = nullptr;
  metrics_.reset();
}

const QFontMetrics& TQtCanvas::Metrics() {
  if (!metrics_ || !fontFor_.SameAs(font_) || fontFor_.PixelsPerInch != font_.PixelsPerInch) {
    fontFor_ = font_;
    qfont_ = QFont(UnicodeFromAnsi(font_.Name));
    qfont_.setPixelSize(std::max(1, std::abs(font_.Height())));
    qfont_.setBold(font_.Style & fsBold);
    qfont_.setItalic(font_.Style & fsItalic);
    qfont_.setUnderline(font_.Style & fsUnderline);
    qfont_.setStrikeOut(font_.Style & fsStrikeOut);
    metrics_.emplace(qfont_, device_);
    if (painter_) painter_->setFont(qfont_);
  }
  return *metrics_;
}

int TQtCanvas::TextWidth(const std::string& text) {
  return Metrics().horizontalAdvance(UnicodeFromAnsi(text));
}

TTextMetric TQtCanvas::GetTextMetrics() {
  const QFontMetrics& m = Metrics();
  TTextMetric metric;
  metric.tmAscent = m.ascent();
  metric.tmDescent = m.descent();
  metric.tmHeight = m.ascent() + m.descent();
  metric.tmExternalLeading = std::max(0, m.leading());
  metric.tmAveCharWidth = m.averageCharWidth();
  return metric;
}

// The text's top left corner at (x, y), cut off outside the rectangle.
void TQtCanvas::TextRect(const TRect& rect, int x, int y, const std::string& text) {
  if (!painter_) return;
  const QFontMetrics& m = Metrics();
  const QRect clip(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top);
  if (clip.isEmpty()) return;
  painter_->setClipRect(clip);
  painter_->drawText(QPoint(x, y + m.ascent()), UnicodeFromAnsi(text));
}
