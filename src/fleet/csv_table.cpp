#include "fleet/csv_table.h"

#include <QStringDecoder>

namespace kestrova::fleet {

namespace {

using i18n::Wording;

constexpr const char* context = "kestrova::fleet::CsvTable";

Wording number(qsizetype value) {
    return Wording::value(QString::number(value));
}

Wording fieldCountProblem(int line, qsizetype count, qsizetype wanted) {
    return Wording(
        context,
        QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable", "line %1 has %2 fields, the header %3"),
        {number(line), number(count), number(wanted)});
}

Wording lineProblem(int line, const char* source) {
    return Wording(context, source, {number(line)});
}

// The separator the first line uses: a semicolon where it has some and no comma outside quotes.
QChar headerSeparator(const QString& text) {
    bool quoted = false;
    bool semicolon = false;
    for (const QChar c : text) {
        if (c == u'"')
            quoted = !quoted;
        else if (!quoted && (c == u'\n' || c == u'\r'))
            break;
        else if (!quoted && c == u',')
            return u',';
        else if (!quoted && c == u';')
            semicolon = true;
    }
    return semicolon ? u';' : u',';
}

// Reads records one after the other; the first fault ends it, unless it is to keep going.
class Reader {
public:
    Reader(const QString& text, CsvOptions options, QChar separator)
        : text_(text)
        , options_(options) {
        read_.table.separator = separator;
    }

    CsvRead run() {
        const QChar separator = read_.table.separator;
        for (at_ = 0; at_ < text_.size() && !read_.problem; ++at_) {
            const QChar c = text_[at_];
            if (quoted_) {
                quotedCharacter(c);
                continue;
            }
            if (c == u'\r' || c == u'\n') {
                if (c == u'\r' && at_ + 1 < text_.size() && text_[at_ + 1] == u'\n')
                    ++at_;
                endRecord();
                recordLine_ = ++line_;
            } else if (damaged_) {
                // A record found not whole is passed over to its end.
            } else if (c == u'"') {
                if (fieldBegun_)
                    fault(lineProblem(line_, QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable",
                                                               "line %1: a quote inside a field "
                                                               "that does not begin with one")));
                else
                    quoted_ = wasQuoted_ = fieldBegun_ = true;
            } else if (c == separator) {
                endField();
            } else if (wasQuoted_) {
                fault(lineProblem(line_, QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable",
                                                           "line %1: text after the closing quote "
                                                           "of a field")));
            } else {
                field_ += c;
                fieldBegun_ = true;
            }
        }
        if (read_.problem)
            return read_;
        read_.endsInQuotes = quoted_;
        read_.endsMidLine = fieldBegun_ || !record_.isEmpty() || damaged_;
        read_.endFields = read_.endsMidLine ? record_.size() + 1 : 0;
        if (quoted_)
            fault(lineProblem(recordLine_, QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable",
                                                             "line %1: a quoted field is never "
                                                             "closed")));
        if (!read_.problem && read_.endsMidLine) {
            // Every record is written with its line break: one cut off before it is not whole.
            damaged_ = damaged_ || options_.keepGoing;
            endRecord();
        }
        if (!read_.problem && read_.table.header.isEmpty())
            read_.problem = Wording(context, QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable",
                                                               "it is empty: it needs a header "
                                                               "row"));
        return read_;
    }

private:
    void quotedCharacter(QChar c) {
        if (c != u'"') {
            if (c == u'\n')
                ++line_;
            field_ += c;
        } else if (at_ + 1 < text_.size() && text_[at_ + 1] == u'"') {
            field_ += u'"';
            ++at_;
        } else {
            quoted_ = false;
        }
    }

    void endField() {
        record_ << field_;
        field_.clear();
        fieldBegun_ = wasQuoted_ = false;
    }

    // A record that is not whole: the end of the reading, or one damaged record kept by its line.
    void fault(const Wording& problem) {
        if (!options_.keepGoing) {
            read_.problem = problem;
            return;
        }
        damaged_ = true;
        quoted_ = false;
    }

    void endRecord() {
        endField();
        const bool blank = record_.size() == 1 && record_.first().isEmpty();
        CsvTable& table = read_.table;
        if (damaged_) {
            table.damaged << recordLine_;
        } else if (blank) {
        } else if (table.header.isEmpty()) {
            table.header = record_;
        } else if (record_.size() != table.header.size()) {
            if (options_.keepGoing)
                table.damaged << recordLine_;
            else
                read_.problem = fieldCountProblem(recordLine_, record_.size(), table.header.size());
        } else {
            table.rows << record_;
            table.lines << recordLine_;
        }
        record_.clear();
        damaged_ = false;
    }

    const QString& text_;
    CsvOptions options_;
    CsvRead read_;
    qsizetype at_ = 0;
    QStringList record_;
    QString field_;
    bool quoted_ = false;     // inside a quoted field
    bool wasQuoted_ = false;  // the field began with a quote
    bool fieldBegun_ = false; // something of the field was read
    bool damaged_ = false;    // the record is not whole
    int line_ = 1;
    int recordLine_ = 1;
};

} // namespace

CsvRead parseCsv(const QByteArray& bytes, CsvOptions options) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(bytes);
    if (decoder.hasError())
        return {{},
                Wording(context,
                        QT_TRANSLATE_NOOP("kestrova::fleet::CsvTable", "it is not UTF-8 text"))};
    const QChar separator = options.separatorFromHeader ? headerSeparator(text) : QChar(u',');
    return Reader(text, options, separator).run();
}

QByteArray csvLine(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields) {
        const bool needsQuotes = field.contains(u',') || field.contains(u'"') ||
                                 field.contains(u'\n') || field.contains(u'\r');
        quoted << (needsQuotes ? u'"' + QString(field).replace(u'"', QStringLiteral("\"\"")) + u'"'
                               : field);
    }
    return quoted.join(u',').toUtf8() + "\r\n";
}

} // namespace kestrova::fleet
