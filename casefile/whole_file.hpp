// A file written whole or not at all, through QSaveFile: on any failure the file that was
// there stays as it was. What to write is the caller's.
#pragma once

#include <QFileDevice>
#include <QString>
#include <functional>
#include <optional>

namespace casefile {

// Why a file was not written.
struct WriteFailure {
    QFileDevice::FileError error;
    QString detail;  // the system's own words
};

std::optional<WriteFailure> write_whole(const QString& path,
                                        const std::function<void(QIODevice&)>& write);

}  // namespace casefile
