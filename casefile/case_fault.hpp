// Why a case file could not be opened, with what the user needs to find the fault: the file,
// the place in it, the key. Wording it in Chinese is left to the window.
#pragma once

#include <QString>
#include <exception>

namespace casefile {

class CaseFault : public std::exception {
  public:
    enum class Kind {
        NotFound,      // no such file
        Unreadable,    // there, but it cannot be read (`detail` is the system's words)
        TooLarge,      // over max_file_bytes (`size`)
        NotJson,       // `line`, `column` and the parser's words in `detail`
        NotCase,       // JSON, but not of this format
        NewerVersion,  // a `version` this program does not know
        WrongType,     // the value at `key` is of the wrong type
        TooLong,       // the text at `key` is longer than a field takes (`size` characters)
    };

    // WrongType: what belongs at `key`.
    enum class Expected { Text, Object, Number, Version };

    explicit CaseFault(Kind kind) : kind(kind) {}

    Kind kind;
    QString path;    // filled in by the reader of a file
    QString detail;  // NotJson, Unreadable
    QString key;     // WrongType, TooLong: "tube.viscosity"
    Expected expected = Expected::Text;
    qint64 size = 0;
    int line = 0, column = 0;
    double version = 0;

    const char* what() const noexcept override { return "casefile: not a readable case"; }
};

}  // namespace casefile
