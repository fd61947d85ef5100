#include "jsonpruefung.h"

#include <charconv>
#include <set>
#include <string>

namespace grobrechner {

namespace {

constexpr int tiefsteVerschachtelung = 64;

bool ziffer(char c) { return c >= '0' && c <= '9'; }

int hexwert(char c)
{
    if (ziffer(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

void alsUtf8(std::string& aus, char32_t z)
{
    if (z < 0x80) {
        aus += static_cast<char>(z);
    } else if (z < 0x800) {
        aus += static_cast<char>(0xC0 | (z >> 6));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        aus += static_cast<char>(0xE0 | (z >> 12));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (z >> 18));
        aus += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    }
}

// A recursive descent over the bytes; it stops at the first problem.
class Pruefer {
public:
    explicit Pruefer(const QByteArray& text)
        : m_text(text)
    {
    }

    Jsonbefund pruefen()
    {
        leerraum();
        if (wert(0)) {
            leerraum();
            if (m_pos < m_text.size())
                falsch(QStringLiteral("folgt nach dem Ende noch etwas"));
        }
        return m_befund;
    }

private:
    bool amEnde() const { return m_pos >= m_text.size(); }
    char jetzt() const { return m_text[m_pos]; }

    bool falsch(const QString& was)
    {
        if (m_befund.gut) {
            m_befund.gut = false;
            m_befund.stelle = m_pos;
            m_befund.was = was;
        }
        return false;
    }
    bool abgebrochen()
    {
        falsch(QStringLiteral("endet die Datei"));
        m_befund.abgebrochen = true;
        return false;
    }

    void leerraum()
    {
        while (!amEnde() && (jetzt() == ' ' || jetzt() == '\t' || jetzt() == '\n' || jetzt() == '\r'))
            ++m_pos;
    }

    // After blanks, `zeichen` (or `ende`, which closes the object or list) and
    // past it. What is missing is reported where it belonged: right after
    // what came before, not on the next line.
    bool folgt(char zeichen, const QString& fehlt, char ende = 0)
    {
        const qsizetype davor = m_pos;
        leerraum();
        if (amEnde())
            return abgebrochen();
        if (jetzt() != zeichen && (ende == 0 || jetzt() != ende)) {
            m_pos = davor;
            return falsch(fehlt);
        }
        ++m_pos;
        return true;
    }

    bool wert(int tiefe)
    {
        if (amEnde())
            return abgebrochen();
        switch (jetzt()) {
        case '{':
            return objekt(tiefe + 1);
        case '[':
            return liste(tiefe + 1);
        case '"':
            return text(nullptr);
        case 't':
            return wort("true");
        case 'f':
            return wort("false");
        case 'n':
            return wort("null");
        default:
            if (jetzt() == '-' || ziffer(jetzt()))
                return zahl();
            return falsch(QStringLiteral("steht etwas, das in JSON nicht erlaubt ist"));
        }
    }

    bool wort(const char* w)
    {
        for (const char* c = w; *c; ++c, ++m_pos) {
            if (amEnde())
                return abgebrochen();
            if (jetzt() != *c)
                return falsch(QStringLiteral("steht etwas, das in JSON nicht erlaubt ist"));
        }
        return true;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?, and nothing else.
    bool zahl()
    {
        const qsizetype anfang = m_pos;
        const auto ungueltig = [&] {
            qsizetype ende = m_pos;
            while (ende < m_text.size() && QByteArrayView("+-.eExX0123456789abcdefABCDEF").contains(m_text[ende]))
                ++ende;
            m_pos = anfang;
            return falsch(QStringLiteral("ist eine Zahl ungültig („%1“)")
                              .arg(QString::fromUtf8(m_text.mid(anfang, ende - anfang))));
        };
        const auto ziffern = [&] {
            if (amEnde())
                return false;
            if (!ziffer(jetzt()))
                return false;
            while (!amEnde() && ziffer(jetzt()))
                ++m_pos;
            return true;
        };
        if (jetzt() == '-')
            ++m_pos;
        if (amEnde())
            return abgebrochen();
        if (jetzt() == '0') {
            ++m_pos;
        } else if (!ziffern()) {
            return ungueltig();
        }
        if (!amEnde() && jetzt() == '.') {
            ++m_pos;
            if (amEnde())
                return abgebrochen();
            if (!ziffern())
                return ungueltig();
        }
        if (!amEnde() && (jetzt() == 'e' || jetzt() == 'E')) {
            ++m_pos;
            if (!amEnde() && (jetzt() == '+' || jetzt() == '-'))
                ++m_pos;
            if (amEnde())
                return abgebrochen();
            if (!ziffern())
                return ungueltig();
        }
        // "0100", "0x10", "1.5.2": the number goes on where JSON's ends.
        if (!amEnde() && (ziffer(jetzt()) || QByteArrayView(".xXeE").contains(jetzt())))
            return ungueltig();
        // Beyond the range of a double no reader holds the number as written.
        double wert = 0;
        const char* von = m_text.constData() + anfang;
        if (std::from_chars(von, m_text.constData() + m_pos, wert).ec != std::errc()) {
            const qsizetype ende = m_pos;
            m_pos = anfang;
            return falsch(QStringLiteral("ist eine Zahl nicht darstellbar („%1“)")
                              .arg(QString::fromUtf8(m_text.mid(anfang, ende - anfang))));
        }
        return true;
    }

    // Four hex digits of an escape \uXXXX, after the "u".
    bool vierHex(char32_t& z)
    {
        z = 0;
        for (int i = 0; i < 4; ++i, ++m_pos) {
            if (amEnde())
                return abgebrochen();
            const int h = hexwert(jetzt());
            if (h < 0)
                return falsch(QStringLiteral("enthält ein Text ein ungültiges Zeichen nach „\\u“"));
            z = z * 16 + static_cast<char32_t>(h);
        }
        return true;
    }

    // A text in quotes; its value goes to `inhalt` (UTF-8) when asked for.
    bool text(std::string* inhalt)
    {
        ++m_pos; // the opening quote
        while (true) {
            if (amEnde())
                return abgebrochen();
            const char c = jetzt();
            if (c == '"') {
                ++m_pos;
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return falsch(QStringLiteral("enthält ein Text ein Steuerzeichen, das in JSON nur als Escape "
                                             "stehen darf"));
            if (c != '\\') {
                if (inhalt)
                    *inhalt += c;
                ++m_pos;
                continue;
            }
            ++m_pos;
            if (amEnde())
                return abgebrochen();
            const char e = jetzt();
            ++m_pos;
            switch (e) {
            case '"':
            case '\\':
            case '/':
                if (inhalt)
                    *inhalt += e;
                break;
            case 'b':
            case 'f':
            case 'n':
            case 'r':
            case 't':
                if (inhalt)
                    *inhalt += e == 'b' ? '\b' : e == 'f' ? '\f' : e == 'n' ? '\n' : e == 'r' ? '\r' : '\t';
                break;
            case 'u': {
                const qsizetype anfang = m_pos - 2;
                char32_t z = 0;
                if (!vierHex(z))
                    return false;
                const auto halb = [&] {
                    m_pos = anfang;
                    return falsch(QStringLiteral("enthält ein Text ein halbes Unicode-Zeichen („%1“)")
                                      .arg(QString::fromUtf8(m_text.mid(anfang, 6))));
                };
                if (z >= 0xDC00 && z <= 0xDFFF)
                    return halb();
                if (z >= 0xD800 && z <= 0xDBFF) {
                    if (m_pos + 1 >= m_text.size())
                        return abgebrochen();
                    if (jetzt() != '\\' || m_text[m_pos + 1] != 'u')
                        return halb();
                    m_pos += 2;
                    char32_t tief = 0;
                    if (!vierHex(tief))
                        return false;
                    if (tief < 0xDC00 || tief > 0xDFFF)
                        return halb();
                    z = 0x10000 + ((z - 0xD800) << 10) + (tief - 0xDC00);
                }
                if (inhalt)
                    alsUtf8(*inhalt, z);
                break;
            }
            default:
                --m_pos;
                return falsch(QStringLiteral("enthält ein Text ein ungültiges Zeichen nach „\\“"));
            }
        }
    }

    bool objekt(int tiefe)
    {
        if (tiefe > tiefsteVerschachtelung)
            return falsch(QStringLiteral("ist der Inhalt zu tief verschachtelt"));
        ++m_pos; // {
        leerraum();
        if (amEnde())
            return abgebrochen();
        if (jetzt() == '}') {
            ++m_pos;
            return true;
        }
        std::set<std::string> schluessel;
        while (true) {
            leerraum();
            if (amEnde())
                return abgebrochen();
            if (jetzt() != '"')
                return falsch(QStringLiteral("fehlt der Name eines Eintrags in Anführungszeichen"));
            const qsizetype anfang = m_pos;
            std::string name;
            if (!text(&name))
                return false;
            if (!schluessel.insert(name).second) {
                m_pos = anfang;
                return falsch(QStringLiteral("kommt der Eintrag „%1“ doppelt vor").arg(QString::fromStdString(name)));
            }
            if (!folgt(':', QStringLiteral("fehlt ein Doppelpunkt")))
                return false;
            leerraum();
            if (!wert(tiefe))
                return false;
            if (!folgt(',', QStringLiteral("fehlt ein Komma"), '}'))
                return false;
            if (m_text[m_pos - 1] == '}')
                return true;
        }
    }

    bool liste(int tiefe)
    {
        if (tiefe > tiefsteVerschachtelung)
            return falsch(QStringLiteral("ist der Inhalt zu tief verschachtelt"));
        ++m_pos; // [
        leerraum();
        if (amEnde())
            return abgebrochen();
        if (jetzt() == ']') {
            ++m_pos;
            return true;
        }
        while (true) {
            leerraum();
            if (!wert(tiefe))
                return false;
            if (!folgt(',', QStringLiteral("fehlt ein Komma"), ']'))
                return false;
            if (m_text[m_pos - 1] == ']')
                return true;
        }
    }

    const QByteArray& m_text;
    qsizetype m_pos = 0;
    Jsonbefund m_befund;
};

} // namespace

Jsonbefund jsonPruefen(const QByteArray& text) { return Pruefer(text).pruefen(); }

} // namespace grobrechner
