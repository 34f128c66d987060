#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/printer/Printer.h"

// Makes the printer of that name the current one, as the printer setup dialog would.
inline void ChoosePrinter(const std::string& name) {
  const std::vector<std::string> printers = Printer().Printers();
  for (std::size_t i = 0; i < printers.size(); ++i)
    if (printers[i] == name) return Printer().SetPrinterIndex(static_cast<int>(i));
  FAIL() << name << " is not listed";
}
