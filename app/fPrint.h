#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/db/DataSource.h"
#include "platform/db/Table.h"
#include "platform/forms/DBGrid.h"
#include "platform/forms/DBNavigator.h"
#include "platform/forms/Forms.h"

namespace Ui {
class TForm1;
}

// The main window: an about panel over the "Print Grid" button, the navigator and the grid of
// the people table.
class TForm1 : public TForm {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);
  ~TForm1() override;

  // The components, in the order the form declares them.
  QFrame* Panel1;
  QLabel* Label8;
  QLabel* Label1;
  QLabel* LabelMail;
  QLabel* Label5;
  QLabel* LabelHomePage;
  QLabel* Label7;
  QLabel* Label6;
  QFrame* Bevel1;
  QLabel* Label2;
  QLabel* Label3;
  TTable* Table1;
  TIntegerField* Table1Id;
  TStringField* Table1Name;
  TDataSource* DataSource;
  TDBGrid* DBGrid1;
  TDBNavigator* DBNavigator1;
  QLabel* Image1;
  TStringField* Table1Pasport;
  TSmallintField* Table1Prof;
  TSmallintField* Table1Continent;
  TSmallintField* Table1Country;
  QPushButton* Button1;

  void LabelMailClick(QObject* Sender);
  void LabelHomePageClick(QObject* Sender);
  void Button1Click(QObject* Sender);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Ui::TForm1* ui_;
};

extern TForm1* Form1;

// Characters of a grid column in the report: its width in pixels by the character unit, plus 1.
int ColumnChars(int widthPixels, int unit);
