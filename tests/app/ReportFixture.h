#pragma once

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QHeaderView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "app/fPrint.h"
#include "data/QorDB.h"
#include "db/PeopleFixture.h"
#include "dialogs/DiPrint.h"
#include "platform/db/Session.h"
#include "platform/forms/Application.h"
#include "platform/system/CodePage.h"

// The main window on a People.DB of the test's, with known column widths: the report's columns
// are then Id 5, Name 12, Prof 3, Continent 3, Country 3 and Pasport 6 characters wide.
class ReportTest : public ::testing::Test {
 protected:
  ReportTest() : previousPages(SetSystemCodePages({1252, 850})) {
    previousSession = SetSession(std::make_unique<TSession>());
    Session().ConfigMode = cmSession;
    Session().AddStandardAlias("QorExample", dir.Path() + "/", "PARADOX");
    PrintSet() = TQorPrintSet();
    previousMessages =
        SetShowMessageHandler([this](const std::string& m) { messages.push_back(m); });
  }
  ~ReportTest() override {
    form.reset();
    SetShowMessageHandler(previousMessages);
    SetSession(std::move(previousSession));
    SetSystemCodePages(previousPages);
  }
  TForm1& Open(long rows) {
    fixture::MakePeople(dir.Path(), rows);
    form = std::make_unique<TForm1>();
    PrepareFormDataSets(form.get(), false);
    const int unit = QFontMetrics(form->font()).horizontalAdvance('0');
    const int chars[] = {4, 11, 2, 2, 2, 5};
    for (int i = 0; i < 6; ++i)
      form->DBGrid1->horizontalHeader()->resizeSection(i, chars[i] * unit);
    return *form;
  }
  // Presses "Print Grid" (through the event loop, as a user would, so that an error that leaves
  // the handler reaches the error display); the test sets the dialog's controls and confirms it.
  void PrintGrid(const std::function<void(TDialPrint&)>& set) {
    QTimer::singleShot(0, [set] {
      set(DialPrint());
      DialPrint().OKBtn->click();
    });
    form->show();
    QTest::mouseClick(form->Button1, Qt::LeftButton);
  }

  static constexpr const char* kHeader = " Id  |    Name    |Pro|Con|Cou|Paspor";
  static std::string Row(int i) {
    char id[8];
    std::snprintf(id, sizeof id, "%5d", i);
    std::string name = "Person " + std::to_string(i);
    name.resize(12, ' ');
    std::string pasport = "P-" + std::to_string(i);
    pasport.resize(6, ' ');
    auto code = [](int v) {
      char text[8];
      std::snprintf(text, sizeof text, "%3d", v);
      return std::string(text);
    };
    return std::string(id) + "|" + name + "|" + code(i % 7) + "|" + code(i % 5) + "|" +
           code(i % 50) + "|" + pasport;
  }

  TempDir dir;
  TCodePages previousPages;
  std::unique_ptr<TSession> previousSession;
  TMessageHandler previousMessages;
  std::vector<std::string> messages;
  std::unique_ptr<TForm1> form;
};
