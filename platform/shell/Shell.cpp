#include "platform/shell/Shell.h"

#include <QDesktopServices>
#include <QUrl>
#include <utility>

namespace {

TAddressOpener& Opener() {
  static TAddressOpener opener = [](const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
  };
  return opener;
}

}  // namespace

void OpenAddress(const QString& address) {
  Opener()(address);
}

TAddressOpener SetAddressOpener(TAddressOpener opener) {
  return std::exchange(Opener(), std::move(opener));
}
