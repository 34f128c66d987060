#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/forms/CommonDialogs.h"
#include "platform/printer/PaperCapabilities.h"
#include "platform/system/EInOutError.h"

// Common dialogs answered by the test: each answer is a function that may change the argument
// and says whether the user confirmed.
class TCommonDialogsDouble : public TCommonDialogs {
 public:
  std::function<bool(TFont&)> font = [](TFont&) { return false; };
  std::function<bool(std::string&)> save = [](std::string&) { return false; };
  std::function<bool()> printerSetup = [] { return false; };
  std::string lastSaveStart;  // the name the save dialog started from
  std::string lastDefaultExt;

  bool FontDialog(QWidget*, TFont& f) override { return font(f); }
  bool SaveDialog(QWidget*, const std::string& ext, std::string& name) override {
    lastSaveStart = name;
    lastDefaultExt = ext;
    return save(name);
  }
  bool PrinterSetupDialog(QWidget*) override { return printerSetup(); }
};

class ScopedCommonDialogs {
 public:
  ScopedCommonDialogs()
      : double_(new TCommonDialogsDouble),
        previous_(SetCommonDialogs(std::unique_ptr<TCommonDialogs>(double_))) {}
  ~ScopedCommonDialogs() { SetCommonDialogs(std::move(previous_)); }
  TCommonDialogsDouble* operator->() { return double_; }

 private:
  TCommonDialogsDouble* double_;
  std::unique_ptr<TCommonDialogs> previous_;
};

// A driver reporting the given papers; `fail` makes the query raise.
class TPaperDouble : public TPaperCapabilities {
 public:
  std::vector<TPaper> papers;
  bool fail = false;
  std::vector<TPaper> Papers(const std::string&, const std::string&) override {
    if (fail) throw EInOutError("The printer does not answer");
    return papers;
  }
};

class ScopedPaperDouble {
 public:
  explicit ScopedPaperDouble(std::vector<TPaper> papers)
      : double_(new TPaperDouble),
        previous_(SetPaperCapabilities(std::unique_ptr<TPaperCapabilities>(double_))) {
    double_->papers = std::move(papers);
  }
  ~ScopedPaperDouble() { SetPaperCapabilities(std::move(previous_)); }
  TPaperDouble* operator->() { return double_; }

 private:
  TPaperDouble* double_;
  std::unique_ptr<TPaperCapabilities> previous_;
};
