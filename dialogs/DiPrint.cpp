#include "dialogs/DiPrint.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <cstdlib>

#include "dialogs/ui_DiPrint.h"
#include "platform/forms/CommonDialogs.h"
#include "platform/forms/Controls.h"
#include "platform/printer/PaperCapabilities.h"
#include "platform/printer/Printer.h"
#include "platform/system/CodePage.h"
#include "platform/system/Finalization.h"
#include "texts/QorConst.h"

namespace {

// Sets a flag for the life of a scope, and clears it on every way out.
class TUpdating {
 public:
  explicit TUpdating(bool& flag) : flag_(flag) { flag_ = true; }
  ~TUpdating() { flag_ = false; }
  TUpdating(const TUpdating&) = delete;
  TUpdating& operator=(const TUpdating&) = delete;

 private:
  bool& flag_;
};

QFont DialogFont(int pixels = 11, bool bold = false) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

// A small printer, and Qt's greyed form of it when the button is disabled.
QIcon PrinterIcon() {
  QPixmap picture(16, 16);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(128, 128, 128));
  p.drawRect(1, 6, 13, 6);
  p.setBrush(Qt::white);
  p.drawRect(4, 10, 7, 4);
  return QIcon(picture);
}

// Tenths of a millimetre to whole millimetres, a half going to the even neighbour.
int32_t TenthsToMillimetres(int32_t tenths) {
  const int32_t whole = tenths / 10, rest = tenths % 10;
  if (rest > 5 || (rest == 5 && whole % 2 != 0)) return whole + 1;
  return whole;
}

int32_t ToInt(const std::string& text) {
  return static_cast<int32_t>(std::strtol(text.c_str(), nullptr, 10));
}

QString FromAnsiLines(const std::string& text) {
  return UnicodeFromAnsi(text).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

std::string ToAnsiLines(const QString& text) {
  QString lines = text;
  return AnsiFromUnicode(lines.replace(QLatin1String("\n"), QLatin1String("\r\n")));
}

// Sizes and margins are 16-bit fields: the edits keep to what they can hold.
constexpr int32_t kMaxMillimetres = 32767;

int16_t StoredMillimetres(const TSpinEdit* edit) {
  return static_cast<int16_t>(std::clamp<int32_t>(edit->Value(), 0, kMaxMillimetres));
}

TDialPrint* gDialPrint = nullptr;

}  // namespace

TDialPrint::TDialPrint(QWidget* parent) : TForm(parent), ui_(new Ui::TDialPrint) {
  ui_->setupUi(this);
#define QOR_BIND(name) name = ui_->name
  QOR_BIND(OKBtn);
  QOR_BIND(CancelBtn);
  QOR_BIND(PageControl1);
  QOR_BIND(TabSheetCommon);
  QOR_BIND(TabSheetPage);
  QOR_BIND(TabSheetNumbering);
  QOR_BIND(TabSheetText);
  QOR_BIND(RadioGroupMode);
  QOR_BIND(GroupBoxRange);
  QOR_BIND(RadioButtonAll);
  QOR_BIND(RadioButtonPages);
  QOR_BIND(EditPages);
  QOR_BIND(LabelExamplePages);
  QOR_BIND(EditFilename);
  QOR_BIND(SpeedButton1);
  QOR_BIND(LabelCopies);
  QOR_BIND(SpinEditCopies);
  QOR_BIND(BitBtnPrinter);
  QOR_BIND(LabelPrinter);
  QOR_BIND(LabelTitle);
  QOR_BIND(MemoTitle);
  QOR_BIND(GroupBoxSize);
  QOR_BIND(ComboBoxPapers);
  QOR_BIND(RadioGroupOrient);
  QOR_BIND(LabelWidth);
  QOR_BIND(SpinEditPageWidth);
  QOR_BIND(LabelHeight);
  QOR_BIND(SpinEditPageHeight);
  QOR_BIND(GroupBoxMargins);
  QOR_BIND(LabelTop);
  QOR_BIND(SpinEditTop);
  QOR_BIND(LabelLeft);
  QOR_BIND(SpinEditLeft);
  QOR_BIND(LabelRight);
  QOR_BIND(SpinEditRight);
  QOR_BIND(LabelBottom);
  QOR_BIND(SpinEditBottom);
  QOR_BIND(CheckBoxWOPages);
  QOR_BIND(CheckBoxNumbering);
  QOR_BIND(GroupBoxPosition);
  QOR_BIND(ComboBoxV);
  QOR_BIND(ComboBoxH);
  QOR_BIND(CheckBoxNumFirstPage);
  QOR_BIND(LabelFirstPage);
  QOR_BIND(SpinEditNumPage);
  QOR_BIND(LabelFormat);
  QOR_BIND(EditNumFormat);
  QOR_BIND(LabelNumFont);
  QOR_BIND(BitBtnNumFont);
  QOR_BIND(RadioGroupText);
  QOR_BIND(GroupBoxGraphics);
  QOR_BIND(LabelTitleFont);
  QOR_BIND(BitBtnHeaderFont);
  QOR_BIND(LabelTextFont);
  QOR_BIND(BitBtnTextFont);
  QOR_BIND(LabelInterval);
  QOR_BIND(EditInterval);
  QOR_BIND(SpinButton1);
#undef QOR_BIND

  // The form description.
  setObjectName("DialPrint");
  setFont(DialogFont());
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(328, 228);
  Position = TPosition::poScreenCenter;
  SpeedButton1->setFont(DialogFont(13, true));
  LabelPrinter->setFont(DialogFont(11, true));
  CheckBoxNumbering->setFont(DialogFont(13, true));
  BitBtnPrinter->setIcon(PrinterIcon());
  SpinEditCopies->SetBounds(1, 99);
  SpinEditCopies->SetValue(1);
  SpinEditNumPage->SetBounds(1, INT32_MAX);
  SpinEditNumPage->SetValue(1);
  for (TSpinEdit* edit : {SpinEditPageWidth, SpinEditPageHeight, SpinEditTop, SpinEditLeft,
                          SpinEditRight, SpinEditBottom})
    edit->SetBounds(0, kMaxMillimetres);
  SpinEditPageWidth->SetValue(210);
  SpinEditPageHeight->SetValue(297);
  SpinEditTop->SetValue(20);
  SpinEditLeft->SetValue(15);
  SpinEditRight->SetValue(15);
  SpinEditBottom->SetValue(20);
  SetTabOrders();

  // Reactions.
  connect(OKBtn, &QPushButton::clicked, this, [this] { SetModalResult(mrOk); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { SetModalResult(mrCancel); });
  EditInterval->installEventFilter(this);
  connect(SpinButton1, &TSpinButton::UpClick, this, [this] { SpinButton1UpClick(SpinButton1); });
  connect(SpinButton1, &TSpinButton::DownClick, this,
          [this] { SpinButton1DownClick(SpinButton1); });
  connect(BitBtnPrinter, &QPushButton::clicked, this,
          [this] { BitBtnPrinterClick(BitBtnPrinter); });
  connect(ComboBoxPapers, &QComboBox::activated, this,
          [this] { ComboBoxPapersChange(ComboBoxPapers); });
  connect(RadioGroupOrient, &TRadioGroup::Click, this,
          [this] { RadioGroupOrientClick(RadioGroupOrient); });
  connect(SpinEditPageWidth, &TSpinEdit::Change, this,
          [this] { SpinEditPageWidthChange(SpinEditPageWidth); });
  connect(SpinEditPageHeight, &TSpinEdit::Change, this,
          [this] { SpinEditPageWidthChange(SpinEditPageHeight); });
  connect(BitBtnHeaderFont, &QPushButton::clicked, this,
          [this] { BitBtnHeaderFontClick(BitBtnHeaderFont); });
  connect(BitBtnTextFont, &QPushButton::clicked, this,
          [this] { BitBtnTextFontClick(BitBtnTextFont); });
  connect(BitBtnNumFont, &QPushButton::clicked, this,
          [this] { BitBtnNumFontClick(BitBtnNumFont); });
  connect(EditPages, &QLineEdit::textChanged, this, [this] { EditPagesChange(EditPages); });
  connect(EditFilename, &QLineEdit::textChanged, this,
          [this] { EditFilenameChange(EditFilename); });
  connect(SpeedButton1, &QToolButton::clicked, this, [this] { SpeedButton1Click(SpeedButton1); });

  FormCreate(this);
  SetTabOrders();  // again, now that the radio groups have their buttons
  AutoSizeLabels();
}

// Labels size themselves to their texts, but for the printer's name and the two margin labels,
// which keep their size.
void TDialPrint::AutoSizeLabels() {
  for (QLabel* label : findChildren<QLabel*>())
    if (label != LabelPrinter && label != LabelTop && label != LabelBottom) AutoSizeLabel(label);
}

TDialPrint::~TDialPrint() {
  FormDestroy(this);
  delete ui_;
}

void TDialPrint::SetTabOrders() {
  // A radio group takes its place in the chain with its buttons.
  auto chain = [](std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* control : widgets) {
      std::vector<QWidget*> stops{control};
      if (auto* group = qobject_cast<TRadioGroup*>(control); group && group->Button(0)) {
        stops.clear();
        for (int i = 0; group->Button(i); ++i) stops.push_back(group->Button(i));
      }
      for (QWidget* widget : stops) {
        if (previous) setTabOrder(previous, widget);
        previous = widget;
      }
    }
  };
  chain({OKBtn, CancelBtn, PageControl1});
  chain({RadioGroupMode, RadioButtonAll, RadioButtonPages, EditPages, SpinEditCopies, MemoTitle,
         BitBtnPrinter, EditFilename});
  chain({SpinEditTop, SpinEditLeft, SpinEditRight, SpinEditBottom, ComboBoxPapers,
         SpinEditPageWidth, SpinEditPageHeight, RadioGroupOrient, CheckBoxWOPages});
  chain({CheckBoxNumbering, ComboBoxV, ComboBoxH, CheckBoxNumFirstPage, SpinEditNumPage,
         EditNumFormat, BitBtnNumFont});
  chain({RadioGroupText, BitBtnHeaderFont, BitBtnTextFont, SpinButton1, EditInterval});
}

// Texts of the table of localisable texts over those of the form description; the radio groups
// get their items here.
void TDialPrint::FormCreate(QObject*) {
  for (const TFormText& text : DialogTexts()) {
    const QString value = QorFormText(text);
    QObject* target = objectName() == text.component ? static_cast<QObject*>(this)
                                                     : findChild<QObject*>(text.component);
    if (!target) continue;
    switch (text.kind) {
      case TFormTextKind::Caption:
        if (target == this)
          setWindowTitle(value);
        else if (auto* tab = qobject_cast<QWidget*>(target); tab && PageControl1->indexOf(tab) >= 0)
          PageControl1->setTabText(PageControl1->indexOf(tab), value);
        else if (auto* group = qobject_cast<QGroupBox*>(target))
          group->setTitle(value);
        else
          target->setProperty("text", value);
        break;
      case TFormTextKind::Hint:
        target->setProperty("toolTip", value);
        break;
      case TFormTextKind::Items:
        if (auto* group = qobject_cast<TRadioGroup*>(target)) group->SetItems(value.split('\n'));
        break;
      case TFormTextKind::Text:
        target->setProperty("text", value);
        break;
    }
  }
  Updating = false;
  PaperHeights.clear();
  PaperWidths.clear();
}

void TDialPrint::FormDestroy(QObject*) {
  PaperHeights.clear();
  PaperWidths.clear();
}

std::string TDialPrint::FontDescription(const TFont* font) {
  if (!font) return {};
  std::string text = font->Name + ", " + std::to_string(font->Size());
  if (font->Style & fsBold) text += ", Bold";
  if (font->Style & fsItalic) text += ", Italic";
  if (font->Style & fsUnderline) text += ", Underline";
  if (font->Style & fsStrikeOut) text += ", StrikeOut";
  return text;
}

void TDialPrint::StepInterval(double step) {
  const QLocale locale = QLocale::system();
  bool ok = false;
  double value = locale.toDouble(EditInterval->text(), &ok);
  if (!ok) {
    EditInterval->setText("1");
    return;
  }
  value += step;
  if (!(value >= 0.5)) value = 0.5;
  if (value > 100) value = 100;
  EditInterval->setText(locale.toString(value, 'g', 15).remove(locale.groupSeparator()));
}

void TDialPrint::SetPrintRange(int16_t range) {
  // Any other value selects neither button.
  RadioButtonAll->setAutoExclusive(false);
  RadioButtonPages->setAutoExclusive(false);
  RadioButtonAll->setChecked(range == 0);
  RadioButtonPages->setChecked(range == 1);
  RadioButtonAll->setAutoExclusive(true);
  RadioButtonPages->setAutoExclusive(true);
}

void TDialPrint::Load(const TQorPrintSet& s) {
  RadioGroupMode->SetItemIndex(s.Mode);
  SpinEditCopies->SetValue(s.Copies);
  SetPrintRange(s.PrintRange);
  EditPages->setText(UnicodeFromAnsi(s.Pages));
  MemoTitle->setPlainText(FromAnsiLines(s.Title));
  EditFilename->setText(UnicodeFromAnsi(s.FileName));
  RadioGroupOrient->SetItemIndex(s.Portrait ? 0 : 1);
  SpinEditPageHeight->SetValue(s.PageHeight);
  SpinEditPageWidth->SetValue(s.PageWidth);
  SpinEditTop->SetValue(s.MarginTop);
  SpinEditLeft->SetValue(s.MarginLeft);
  SpinEditRight->SetValue(s.MarginRight);
  SpinEditBottom->SetValue(s.MarginBottom);
  CheckBoxWOPages->setChecked(s.WithoutPages);
  CheckBoxNumbering->setChecked(s.Numbering);
  CheckBoxNumFirstPage->setChecked(s.NumberOnFirstPage);
  ComboBoxV->setCurrentIndex(s.NumberAtTop ? 0 : 1);
  if (s.NumberAlignment <= 2)
    ComboBoxH->setCurrentIndex(s.NumberAlignment == 0 ? 0 : s.NumberAlignment == 1 ? 2 : 1);
  SpinEditNumPage->SetValue(s.FirstPageNumber);
  EditNumFormat->setText(UnicodeFromAnsi(s.NumberFormat));
  LabelNumFont->setText(UnicodeFromAnsi(FontDescription(&s.NumberFont)));
  RadioGroupText->SetItemIndex(s.TextPitch);
  LabelTitleFont->setText(UnicodeFromAnsi(FontDescription(&s.TitleFont)));
  LabelTextFont->setText(UnicodeFromAnsi(FontDescription(&s.TextFont)));
  EditInterval->setText(QLocale::system().toString(s.Interval, 'g', 15));
  AutoSizeLabels();
}

void TDialPrint::Store(TQorPrintSet& s) {
  s.Mode = static_cast<uint8_t>(RadioGroupMode->ItemIndex());
  s.Copies = static_cast<uint16_t>(SpinEditCopies->Value());
  s.PrintRange = RadioButtonAll->isChecked() ? 0 : 1;
  s.Pages = AnsiFromUnicode(EditPages->text());
  s.Title = ToAnsiLines(MemoTitle->toPlainText());
  s.FileName = AnsiFromUnicode(EditFilename->text());
  s.PageHeight = StoredMillimetres(SpinEditPageHeight);
  s.PageWidth = StoredMillimetres(SpinEditPageWidth);
  s.Portrait = RadioGroupOrient->ItemIndex() == 0;
  s.MarginTop = StoredMillimetres(SpinEditTop);
  s.MarginLeft = StoredMillimetres(SpinEditLeft);
  s.MarginRight = StoredMillimetres(SpinEditRight);
  s.MarginBottom = StoredMillimetres(SpinEditBottom);
  s.WithoutPages = CheckBoxWOPages->isChecked();
  s.Numbering = CheckBoxNumbering->isChecked();
  s.NumberOnFirstPage = CheckBoxNumFirstPage->isChecked();
  s.NumberAtTop = ComboBoxV->currentIndex() == 0;
  switch (ComboBoxH->currentIndex()) {
    case 0:
      s.NumberAlignment = 0;
      break;
    case 1:
      s.NumberAlignment = 2;
      break;
    case 2:
      s.NumberAlignment = 1;
      break;
    default:
      break;
  }
  s.FirstPageNumber = SpinEditNumPage->Value();
  s.NumberFormat = AnsiFromUnicode(EditNumFormat->text());
  s.NumberFont.Assign(*NumFontCopy);
  s.TextPitch = static_cast<uint8_t>(RadioGroupText->ItemIndex());
  s.TitleFont.Assign(*TitleFontCopy);
  s.TextFont.Assign(*TextFontCopy);
  StepInterval(0);
  bool ok = false;
  const double interval = QLocale::system().toDouble(EditInterval->text(), &ok);
  s.Interval = ok ? interval : 1.0;
}

bool TDialPrint::Execute(TQorPrintSet& settings) {
  Load(settings);
  NumFontCopy = std::make_unique<TFont>(settings.NumberFont);
  TitleFontCopy = std::make_unique<TFont>(settings.TitleFont);
  TextFontCopy = std::make_unique<TFont>(settings.TextFont);
  bool confirmed = false;
  try {
    confirmed = ShowModal() == mrOk;
    if (confirmed) Store(settings);
  } catch (...) {
    NumFontCopy.reset();
    TitleFontCopy.reset();
    TextFontCopy.reset();
    throw;
  }
  NumFontCopy.reset();
  TitleFontCopy.reset();
  TextFontCopy.reset();
  return confirmed;
}

void TDialPrint::keyPressEvent(QKeyEvent* event) {
  // Enter confirms, as the default button does, except in the title's editor.
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      focusWidget() != MemoTitle)
    return SetModalResult(mrOk);
  TForm::keyPressEvent(event);
}

bool TDialPrint::eventFilter(QObject* watched, QEvent* event) {
  if (watched == EditInterval && event->type() == QEvent::FocusOut) EditIntervalExit(EditInterval);
  return TForm::eventFilter(watched, event);
}

void TDialPrint::EditIntervalExit(QObject*) {
  StepInterval(0);
}
void TDialPrint::SpinButton1UpClick(QObject*) {
  StepInterval(+0.5);
}
void TDialPrint::SpinButton1DownClick(QObject*) {
  StepInterval(-0.5);
}

// Page size and printer choice.

void TDialPrint::FormActivate() {
  RefreshPrinterPapers();
}

void TDialPrint::RefreshPrinterPapers() {
  const std::vector<std::string> printers = Printer().Printers();
  const int index = Printer().PrinterIndex();
  LabelPrinter->setText(index >= 0 && index < static_cast<int>(printers.size())
                            ? UnicodeFromAnsi(printers[index])
                            : QString());
  ComboBoxPapers->clear();
  std::string driver;
  THandle deviceMode = 0;
  Printer().GetPrinter(PrinterDevice, driver, PrinterPort, deviceMode);

  const int32_t names = DeviceCapabilitiesA(PrinterDevice.c_str(), PrinterPort.c_str(),
                                            DC_PAPERNAMES, nullptr, nullptr);
  if (names > 0) {
    std::vector<char> buffer(static_cast<std::size_t>(names) * kPaperNameSize);
    DeviceCapabilitiesA(PrinterDevice.c_str(), PrinterPort.c_str(), DC_PAPERNAMES, buffer.data(),
                        nullptr);
    for (int32_t i = 0; i < names; ++i) {
      const char* field = buffer.data() + static_cast<std::size_t>(i) * kPaperNameSize;
      ComboBoxPapers->addItem(UnicodeFromAnsi(std::string(field, strnlen(field, kPaperNameSize))));
    }
  }
  PaperWidths.clear();
  PaperHeights.clear();
  const int32_t sizes = DeviceCapabilitiesA(PrinterDevice.c_str(), PrinterPort.c_str(),
                                            DC_PAPERSIZE, nullptr, nullptr);
  if (sizes > 0) {
    std::vector<int32_t> points(static_cast<std::size_t>(sizes) * 2);
    DeviceCapabilitiesA(PrinterDevice.c_str(), PrinterPort.c_str(), DC_PAPERSIZE,
                        reinterpret_cast<char*>(points.data()), nullptr);
    for (int32_t i = 0; i < sizes; ++i) {
      PaperWidths.push_back(std::to_string(points[2 * i]));
      PaperHeights.push_back(std::to_string(points[2 * i + 1]));
    }
  }
  SelectPaperForSize();
}

void TDialPrint::SelectPaperForSize() {
  int candidate = ComboBoxPapers->count() - 1;
  if (!SpinEditPageHeight->Text().isEmpty() && !SpinEditPageWidth->Text().isEmpty()) {
    const int64_t h = int64_t{SpinEditPageHeight->Value()} * 10;
    const int64_t w = int64_t{SpinEditPageWidth->Value()} * 10;
    const bool portrait = RadioGroupOrient->ItemIndex() == 0;
    for (std::size_t i = 0; i < PaperHeights.size(); ++i) {
      const int64_t paperWidth = ToInt(PaperWidths[i]), paperHeight = ToInt(PaperHeights[i]);
      const bool matches =
          portrait ? std::llabs(h - paperHeight) < 10 && std::llabs(w - paperWidth) < 10
                   : std::llabs(h - paperWidth) < 10 && std::llabs(w - paperHeight) < 10;
      if (matches) {
        candidate = static_cast<int>(i);
        break;
      }
    }
  }
  ComboBoxPapers->setCurrentIndex(candidate);
}

void TDialPrint::ComboBoxPapersChange(QObject*) {
  const int chosen = ComboBoxPapers->currentIndex();
  if (Updating || chosen < 0 || chosen >= ComboBoxPapers->count() - 1 ||
      chosen >= static_cast<int>(PaperWidths.size()))
    return;
  TUpdating updating(Updating);
  const int32_t w = TenthsToMillimetres(ToInt(PaperWidths[chosen]));
  const int32_t h = TenthsToMillimetres(ToInt(PaperHeights[chosen]));
  if (RadioGroupOrient->ItemIndex() == 0) {
    SpinEditPageWidth->SetValue(w);
    SpinEditPageHeight->SetValue(h);
  } else {
    SpinEditPageHeight->SetValue(w);
    SpinEditPageWidth->SetValue(h);
  }
}

void TDialPrint::RadioGroupOrientClick(QObject*) {
  const int32_t height = SpinEditPageHeight->Value();
  TUpdating updating(Updating);
  SpinEditPageHeight->SetValue(SpinEditPageWidth->Value());
  SpinEditPageWidth->SetValue(height);
}

void TDialPrint::SpinEditPageWidthChange(QObject*) {
  if (Updating) return;
  TUpdating updating(Updating);
  SelectPaperForSize();
}

void TDialPrint::BitBtnPrinterClick(QObject*) {
  auto showCurrent = [this] {
    const std::vector<std::string> printers = Printer().Printers();
    const int index = Printer().PrinterIndex();
    if (index >= 0 && index < static_cast<int>(printers.size()))
      LabelPrinter->setText(UnicodeFromAnsi(printers[index]));
  };
  try {
    if (CommonDialogs().PrinterSetupDialog(this)) RefreshPrinterPapers();
  } catch (...) {
    showCurrent();
    throw;
  }
  showCurrent();
}

// Fonts, page list and file name.

void TDialPrint::EditFont(TFont& font) {
  TFont chosen = font;
  if (CommonDialogs().FontDialog(this, chosen)) font.Assign(chosen);
}

void TDialPrint::BitBtnHeaderFontClick(QObject*) {
  if (!TitleFontCopy) return;
  EditFont(*TitleFontCopy);
  LabelTitleFont->setText(UnicodeFromAnsi(FontDescription(TitleFontCopy.get())));
  AutoSizeLabel(LabelTitleFont);
}

void TDialPrint::BitBtnTextFontClick(QObject*) {
  if (!TextFontCopy) return;
  EditFont(*TextFontCopy);
  LabelTextFont->setText(UnicodeFromAnsi(FontDescription(TextFontCopy.get())));
  AutoSizeLabel(LabelTextFont);
}

void TDialPrint::BitBtnNumFontClick(QObject*) {
  if (!NumFontCopy) return;
  EditFont(*NumFontCopy);
  LabelNumFont->setText(UnicodeFromAnsi(FontDescription(NumFontCopy.get())));
  AutoSizeLabel(LabelNumFont);
}

void TDialPrint::EditPagesChange(QObject*) {
  (EditPages->text().isEmpty() ? RadioButtonAll : RadioButtonPages)->setChecked(true);
}

void TDialPrint::EditFilenameChange(QObject*) {
  RadioGroupMode->SetItemIndex(EditFilename->text().isEmpty() ? 1 : 2);
}

void TDialPrint::SpeedButton1Click(QObject*) {
  std::string name = SaveDialogFileName;
  if (!CommonDialogs().SaveDialog(this, SaveDialogDefaultExt, name)) return;
  SaveDialogFileName = name;
  EditFilename->setText(UnicodeFromAnsi(name));
}

TDialPrint& DialPrint() {
  if (!gDialPrint) {
    CheckNotFinalized("DialPrint");
    gDialPrint = new TDialPrint;
    AddFinalizer(TFinalizationStage::Dialogs, [] {
      delete gDialPrint;
      gDialPrint = nullptr;
    });
  }
  return *gDialPrint;
}
