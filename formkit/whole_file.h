#pragma once

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace formkit {

// Writes a file whole or not at all, through a QSaveFile: `write` fills it and says whether it
// could. Where the file cannot be written, the one there stays as it was, and the reason comes
// back in words a user can act on ("nema dozvole za pisanje"); nothing where it was written.
std::optional<QString> writeWholeFile(const QString& path,
                                      const std::function<bool(QIODevice& file)>& write);

}  // namespace formkit
