#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "platform/system/CodePage.h"
#include "print/QorPrint.h"
#include "support/TempDir.h"
#include "texts/QorConst.h"

namespace {

// A translation that replaces one message of the library's table.
class OneMessageTranslation : public QTranslator {
 public:
  QString translate(const char* context, const char* sourceText, const char*, int) const override {
    if (QByteArray(context) == "QorConst" &&
        QByteArray(sourceText) == "Error opening document file")
      return QStringLiteral("Fichier impossible \u00e0 cr\u00e9er");
    return {};
  }
  bool isEmpty() const override { return false; }
};

TEST(QorConst, EngineRaisesTheTranslatedText) {
  const TCodePages previous = SetSystemCodePages({1252, 850});
  OneMessageTranslation translation;
  ASSERT_TRUE(QCoreApplication::installTranslator(&translation));
  TempDir dir;
  TQorPrintSet settings;
  settings.Mode = 2;
  settings.FileName = dir.File("missing/out.txt");
  TQorPrinter engine;
  EXPECT_FALSE(engine.BeginDoc(&settings));
  // Messages are ANSI byte strings.
  EXPECT_EQ(engine.LastError(),
            "Fichier impossible \xe0 cr\xe9"
            "er");
  QCoreApplication::removeTranslator(&translation);

  EXPECT_FALSE(engine.BeginDoc(&settings));
  EXPECT_EQ(engine.LastError(), "Error opening document file");
  SetSystemCodePages(previous);
}

}  // namespace
