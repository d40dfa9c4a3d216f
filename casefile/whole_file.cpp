#include "casefile/whole_file.hpp"

#include <QSaveFile>

namespace casefile {

std::optional<WriteFailure> write_whole(const QString& path,
                                        const std::function<void(QIODevice&)>& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return WriteFailure{file.error(), file.errorString()};
    write(file);
    if (!file.commit()) return WriteFailure{file.error(), file.errorString()};
    return std::nullopt;
}

}  // namespace casefile
