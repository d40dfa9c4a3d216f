#include "casefile/case_file.hpp"

#include <QFile>
#include <QFileInfo>

#include "casefile/case_json.hpp"

namespace casefile {
namespace {

CaseFault with_path(CaseFault fault, const QString& path) {
    fault.path = path;
    return fault;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) throw with_path(CaseFault(CaseFault::Kind::NotFound), path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        CaseFault fault(CaseFault::Kind::Unreadable);
        fault.detail = info.isDir() ? QString() : file.errorString();
        throw with_path(fault, path);
    }
    // Read one byte past the limit rather than trust the size: a pipe or a growing file has
    // none to trust.
    QByteArray bytes = file.read(max_file_bytes + 1);
    if (bytes.size() > max_file_bytes) {
        CaseFault fault(CaseFault::Kind::TooLarge);
        fault.size = std::max(info.size(), qint64(bytes.size()));
        throw with_path(fault, path);
    }
    if (file.error() != QFileDevice::NoError) {
        CaseFault fault(CaseFault::Kind::Unreadable);
        fault.detail = file.errorString();
        throw with_path(fault, path);
    }
    return bytes;
}

}  // namespace

Case read_case(const QString& path) {
    const QByteArray bytes = contents(path);
    try {
        return from_json(bytes);
    } catch (CaseFault& fault) {
        throw with_path(fault, path);
    }
}

std::optional<WriteFailure> write_case(const QString& path, const Case& c,
                                       const std::optional<Results>& results) {
    const QByteArray bytes = to_json(c, results);
    return write_whole(path, [&bytes](QIODevice& file) { file.write(bytes); });
}

}  // namespace casefile
