#pragma once

#include "store/dictionary_catalog.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lexaro {

// How a dictionary is named on a command line: by its identifier ("English",
// "ComputerAndInternet", in any letter case) or by its exact display name.
std::optional<DictionaryId> dictionaryNamed(QStringView name);

QString dictionaryIdName(DictionaryId id);

// The identifiers in catalog order, for usage messages.
QStringList dictionaryIdNames();

} // namespace lexaro
