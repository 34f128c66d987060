#pragma once

#include <QString>
#include <functional>

// Opens an address (mailto:..., https://...) with the desktop's handler; the answer is ignored.
void OpenAddress(const QString& address);

// Replaces the opener (a test's recorder, say); answers the previous one.
using TAddressOpener = std::function<void(const QString&)>;
TAddressOpener SetAddressOpener(TAddressOpener opener);
