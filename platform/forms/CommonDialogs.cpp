#include "platform/forms/CommonDialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/printer/Printer.h"
#include "platform/system/CodePage.h"
#include "platform/system/Finalization.h"

QFont ToQFont(const TFont& font) {
  QFont result(UnicodeFromAnsi(font.Name));
  result.setPointSize(std::max(1, font.Size()));
  result.setBold(font.Style & fsBold);
  result.setItalic(font.Style & fsItalic);
  result.setUnderline(font.Style & fsUnderline);
  result.setStrikeOut(font.Style & fsStrikeOut);
  return result;
}

void FromQFont(const QFont& from, TFont& to) {
  to.Name = AnsiFromUnicode(from.family());
  to.SetSize(from.pointSize() > 0 ? from.pointSize() : to.Size());
  to.Style = (from.bold() ? fsBold : 0) | (from.italic() ? fsItalic : 0) |
             (from.underline() ? fsUnderline : 0) | (from.strikeOut() ? fsStrikeOut : 0);
}

namespace {

class TQtCommonDialogs : public TCommonDialogs {
 public:
  bool FontDialog(QWidget* parent, TFont& font) override {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), parent);
    if (ok) FromQFont(chosen, font);
    return ok;
  }

  bool SaveDialog(QWidget* parent, const std::string& defaultExt, std::string& fileName) override {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QString::fromStdString(defaultExt));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!fileName.empty()) dialog.selectFile(UnicodeFromAnsi(fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    fileName = AnsiFromUnicode(dialog.selectedFiles().first());
    return true;
  }

  bool PrinterSetupDialog(QWidget* parent) override {
    QDialog dialog(parent);
    dialog.setWindowTitle(QDialog::tr("Printer setup"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QDialog::tr("Printer:"), &dialog));
    auto* printers = new QComboBox(&dialog);
    for (const std::string& name : Printer().Printers()) printers->addItem(UnicodeFromAnsi(name));
    printers->setCurrentIndex(Printer().PrinterIndex());
    layout->addWidget(printers);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;
    Printer().SetPrinterIndex(printers->currentIndex());
    return true;
  }
};

TProgramObject<TCommonDialogs>& TheDialogs() {
  static auto& dialogs =
      *new TProgramObject<TCommonDialogs>("CommonDialogs", TFinalizationStage::Platform,
                                          [] { return std::make_unique<TQtCommonDialogs>(); });
  return dialogs;
}

}  // namespace

TCommonDialogs& CommonDialogs() {
  return TheDialogs().Get();
}

std::unique_ptr<TCommonDialogs> SetCommonDialogs(std::unique_ptr<TCommonDialogs> dialogs) {
  return TheDialogs().Set(std::move(dialogs));
}
