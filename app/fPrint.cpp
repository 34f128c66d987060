#include "app/fPrint.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "app/ui_fPrint.h"
#include "dialogs/DiPrint.h"
#include "platform/forms/Application.h"
#include "platform/forms/Controls.h"
#include "platform/shell/Shell.h"
#include "print/QorPrint.h"

TForm1* Form1 = nullptr;

namespace {

// The window's font: 8 points at 96 pixels per inch.
QFont WindowFont(int pixels = 11, bool bold = false) {
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(pixels);
  font.setBold(bold);
  return font;
}

void Colour(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

// A line across the bottom of its area, lowered, like a bevel's bottom edge.
class BottomLine : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Paint) return false;
    auto* frame = static_cast<QWidget*>(watched);
    QPainter painter(frame);
    const int y = frame->height() - 2;
    painter.setPen(frame->palette().color(QPalette::Mid));
    painter.drawLine(0, y, frame->width() - 1, y);
    painter.setPen(frame->palette().color(QPalette::Light));
    painter.drawLine(0, y + 1, frame->width() - 1, y + 1);
    return true;
  }
};

template <class F>
F* Field(TForm1* form, const char* name, const char* fieldName) {
  auto* field = new F(form);
  field->setObjectName(name);
  field->FieldName = fieldName;
  return field;
}

}  // namespace

static void InitResources() {
  Q_INIT_RESOURCE(fPrint);
}

TForm1::TForm1(QWidget* parent) : TForm(parent), ui_(new Ui::TForm1) {
  InitResources();  // the logo lives in this library's resources
  setObjectName("Form1");
  ui_->setupUi(this);
  setFont(WindowFont());
  Position = TPosition::poScreenCenter;
  const QColor navy(0, 0, 128);

  // The components in their declared order: the controls of the form description, the table,
  // its fields and the data source made here.
  Panel1 = ui_->Panel1;
  InsertComponent(Panel1);
  for (QLabel* label : {ui_->Label8, ui_->Label1, ui_->LabelMail, ui_->Label5, ui_->LabelHomePage,
                        ui_->Label7, ui_->Label6})
    InsertComponent(label);
  Label8 = ui_->Label8;
  Label1 = ui_->Label1;
  LabelMail = ui_->LabelMail;
  Label5 = ui_->Label5;
  LabelHomePage = ui_->LabelHomePage;
  Label7 = ui_->Label7;
  Label6 = ui_->Label6;
  Bevel1 = ui_->Bevel1;
  InsertComponent(Bevel1);
  Label2 = ui_->Label2;
  InsertComponent(Label2);
  Label3 = ui_->Label3;
  InsertComponent(Label3);
  Table1 = new TTable(this);
  Table1->setObjectName("Table1");
  Table1->DatabaseName = "QorExample";
  Table1->TableName = "People.DB";
  Table1->SetTag(99);
  Table1Id = Field<TIntegerField>(this, "Table1Id", "Id");
  Table1Name = Field<TStringField>(this, "Table1Name", "Name");
  Table1Name->Size = Table1Name->DisplayWidth = 40;
  DataSource = new TDataSource(this);
  DataSource->setObjectName("DataSource");
  DataSource->SetDataSet(Table1);
  DBGrid1 = ui_->DBGrid1;
  InsertComponent(DBGrid1);
  DBNavigator1 = ui_->DBNavigator1;
  InsertComponent(DBNavigator1);
  Image1 = ui_->Image1;
  InsertComponent(Image1);
  Table1Pasport = Field<TStringField>(this, "Table1Pasport", "Pasport");
  Table1Pasport->Size = Table1Pasport->DisplayWidth = 40;
  Table1Prof = Field<TSmallintField>(this, "Table1Prof", "Prof");
  Table1Continent = Field<TSmallintField>(this, "Table1Continent", "Continent");
  Table1Country = Field<TSmallintField>(this, "Table1Country", "Country");
  Button1 = ui_->Button1;
  InsertComponent(Button1);
  // The table's fields in the table's order, which is not that of the components.
  for (TField* field : std::initializer_list<TField*>{
           Table1Id, Table1Name, Table1Prof, Table1Continent, Table1Country, Table1Pasport})
    field->SetDataSet(Table1);

  // The about panel.
  Colour(Panel1, QPalette::Window, Qt::white);
  Label3->setFont(WindowFont(13, true));
  Colour(Label3, QPalette::WindowText, navy);
  Colour(Label8, QPalette::WindowText, palette().color(QPalette::Inactive, QPalette::Highlight));
  Bevel1->installEventFilter(new BottomLine(Bevel1));
  for (QLabel* link : {LabelMail, LabelHomePage}) {
    QFont font = WindowFont();
    font.setUnderline(true);
    link->setFont(font);
    Colour(link, QPalette::WindowText, Qt::blue);
    link->setCursor(Qt::PointingHandCursor);
    link->installEventFilter(this);
  }
  Label7->setFont(WindowFont(13, true));
  Label6->setFont(WindowFont(11, true));
  Colour(Label7, QPalette::WindowText, navy);
  Colour(Label6, QPalette::WindowText, navy);

  for (QLabel* label : {Label8, Label1, LabelMail, Label5, LabelHomePage, Label7, Label6})
    AutoSizeLabel(label);

  // The data.
  Button1->setFont(WindowFont(13));
  DBNavigator1->SetDataSource(DataSource);
  DBGrid1->SetTitleFont(WindowFont());
  DBGrid1->setTabKeyNavigation(false);  // Tab leaves the grid for the next control
  DBGrid1->SetDataSource(DataSource);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
}

TForm1::~TForm1() {
  FreeOwnedComponents();
  delete ui_;
}

void TForm1::resizeEvent(QResizeEvent* event) {
  TForm::resizeEvent(event);
  Panel1->resize(width(), Panel1->height());  // aligned to the top: spans the client width
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    if (watched == LabelMail) LabelMailClick(LabelMail);
    if (watched == LabelHomePage) LabelHomePageClick(LabelHomePage);
  }
  return TForm::eventFilter(watched, event);
}

void TForm1::LabelMailClick(QObject*) {
  OpenAddress("mailto:" + LabelMail->text());
}

void TForm1::LabelHomePageClick(QObject*) {
  OpenAddress(LabelHomePage->text());
}

int ColumnChars(int widthPixels, int unit) {
  return widthPixels / std::max(1, unit) + 1;
}

namespace {

int AlignmentOf(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return taRight;
    case TAlignment::taCenter:
      return taCenter;
    default:
      return taLeft;
  }
}

// A grid column as the report prints it.
struct TReportColumn {
  int chars;
  int alignment;
  std::string title;
  TField* field;
};

// The dataset's position and its controls, given back however the report ends.
class TSavedPosition {
 public:
  explicit TSavedPosition(TDataSet* dataSet) : dataSet_(dataSet) {
    bookmark_ = dataSet_->GetBookmark();
    dataSet_->DisableControls();
  }
  ~TSavedPosition() {
    try {
      if (bookmark_) dataSet_->GotoBookmark(bookmark_);
    } catch (...) {
      // The record is gone: the dataset stays where the report left it.
    }
    dataSet_->FreeBookmark(bookmark_);
    dataSet_->EnableControls();
  }
  TSavedPosition(const TSavedPosition&) = delete;
  TSavedPosition& operator=(const TSavedPosition&) = delete;

 private:
  TDataSet* dataSet_;
  TBookmark bookmark_ = nullptr;
};

std::string ReportLine(const std::vector<TReportColumn>& columns, bool header) {
  std::string line;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (i > 0) line += '|';
    const TReportColumn& c = columns[i];
    line += header ? FitText(c.title, c.chars, taCenter)
                   : FitText(c.field ? c.field->DisplayText() : "", c.chars, c.alignment);
  }
  return line;
}

}  // namespace

// The grid report: every record of the grid's dataset as one line, the columns as the grid
// shows them, under a header and a line of dashes; once per copy in text mode.
void TForm1::Button1Click(QObject*) {
  TDataSet* dataSet = DataSource->DataSet();
  TQorPrintSet& settings = PrintSet();
  settings.SetTitleFor("Test", dataSet);
  if (!DialPrint().Execute(settings)) return;

  const int unit = QFontMetrics(font()).horizontalAdvance('0');
  const int copies = settings.Mode == 0 ? settings.Copies : 1;
  std::vector<TReportColumn> columns;
  for (int i = 0; i < DBGrid1->ColumnCount(); ++i) {
    const TColumn column = DBGrid1->Columns(i);
    columns.push_back({ColumnChars(column.Width, unit), AlignmentOf(column.Alignment), column.Title,
                       column.Field});
  }

  TSavedPosition saved(dataSet);
  TQorPrinter& printer = QorPrinter();
  bool errorShown = false;
  std::string refused;  // why the first copy that could not start did not
  for (int copy = 0; copy < copies; ++copy) {
    dataSet->First();  // an error here is not the report's: it goes on to the error display
    if (!printer.BeginDoc(&settings)) {
      if (refused.empty()) refused = printer.LastError();
      continue;
    }
    try {
      const std::string header = ReportLine(columns, true);
      printer.Print(header);
      printer.Print(
          DashString(static_cast<int16_t>(std::min<std::size_t>(header.size(), INT16_MAX))));
      while (!dataSet->Eof() && printer.MorePages()) {
        printer.Print(ReportLine(columns, false));
        dataSet->Next();
      }
      printer.EndDoc();
    } catch (...) {
      // A document that EndDoc already closed needs no Abort, and its error is the one to tell.
      if (printer.Printing()) {
        try {
          printer.Abort();
        } catch (...) {
        }
      }
      ShowMessage("Error");
      errorShown = true;
      break;
    }
  }
  if (!errorShown && !refused.empty()) ShowMessage(refused);
}
