#pragma once

#include <QWidget>
#include <memory>
#include <string>

#include "platform/printer/Font.h"

// The common dialogs: font, save file and printer setup. Each answers whether the user
// confirmed; only then are its arguments changed.
class TCommonDialogs {
 public:
  virtual ~TCommonDialogs() = default;
  virtual bool FontDialog(QWidget* parent, TFont& font) = 0;
  // Starts from fileName (the last name chosen, or empty); a name typed without an extension
  // gets defaultExt.
  virtual bool SaveDialog(QWidget* parent, const std::string& defaultExt,
                          std::string& fileName) = 0;
  // The chosen printer becomes the current printer of the platform's printer object.
  virtual bool PrinterSetupDialog(QWidget* parent) = 0;
};

TCommonDialogs& CommonDialogs();
// Installs other dialogs (a test's, which answers them); answers the previous ones.
std::unique_ptr<TCommonDialogs> SetCommonDialogs(std::unique_ptr<TCommonDialogs> dialogs);

// Qt's font dialog speaks QFont; the platform's fonts are TFont.
QFont ToQFont(const TFont& font);
void FromQFont(const QFont& from, TFont& to);
