#include "project/json.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace project::json {

namespace {

// The length of the UTF-8 character `text` begins with: none for a stray byte, an overlong form,
// a surrogate or a code point beyond U+10FFFF.
std::optional<std::size_t> utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length;
    std::uint32_t point;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, point = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, point = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, point = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        point = point << 6 | (byte(i) & 0x3F);
    }
    const std::uint32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < least[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF))
        return std::nullopt;
    return length;
}

void appendUtf8(std::string& out, std::uint32_t point) {
    if (point < 0x80) {
        out += char(point);
    } else if (point < 0x800) {
        out += char(0xC0 | point >> 6);
        out += char(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += char(0xE0 | point >> 12);
        out += char(0x80 | (point >> 6 & 0x3F));
        out += char(0x80 | (point & 0x3F));
    } else {
        out += char(0xF0 | point >> 18);
        out += char(0x80 | (point >> 12 & 0x3F));
        out += char(0x80 | (point >> 6 & 0x3F));
        out += char(0x80 | (point & 0x3F));
    }
}

class Parser {
public:
    explicit Parser(std::string_view bytes) : m_bytes(bytes) {}

    std::expected<Value, ReadError> document() {
        skipBlanks();
        auto value = this->value(0);
        if (!value) return value;
        skipBlanks();
        if (m_at < m_bytes.size()) return fail("posle vrednosti ocekivan je kraj datoteke");
        return value;
    }

private:
    std::unexpected<ReadError> fail(const std::string& what) const {
        return std::unexpected(
            ReadError{m_line, "na liniji " + std::to_string(m_line) + " " + what});
    }

    bool atEnd() const { return m_at >= m_bytes.size(); }
    char peek() const { return m_bytes[m_at]; }

    void skipBlanks() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            if (peek() == '\n') ++m_line;
            ++m_at;
        }
    }

    bool take(std::string_view word) {
        if (!m_bytes.substr(m_at).starts_with(word)) return false;
        m_at += word.size();
        return true;
    }

    std::expected<Value, ReadError> value(int depth) {
        if (depth > maxDepth)
            return fail("vrednosti su ugnezdene dublje od " + std::to_string(maxDepth));
        if (atEnd()) return fail("ocekivana je vrednost, a datoteka je gotova");
        Value value;
        value.line = m_line;
        switch (peek()) {
            case '{':
                return object(std::move(value), depth);
            case '[':
                return array(std::move(value), depth);
            case '"': {
                auto text = string();
                if (!text) return std::unexpected(text.error());
                value.kind = Value::Kind::String;
                value.text = std::move(*text);
                return value;
            }
            default:
                break;
        }
        for (std::string_view word : {"true", "false"}) {
            if (take(word)) {
                value.kind = Value::Kind::Bool;
                value.text = word;
                return value;
            }
        }
        if (take("null")) return value;
        return number(std::move(value));
    }

    std::expected<Value, ReadError> number(Value value) {
        const std::size_t start = m_at;
        auto digits = [&] {
            const std::size_t from = m_at;
            while (!atEnd() && peek() >= '0' && peek() <= '9') ++m_at;
            return m_at > from;
        };
        take("-");
        if (!take("0") && !digits())
            return fail("ocekivana je vrednost: broj, tekst, niz ili objekat");
        if (take(".") && !digits()) return fail("posle decimalne tacke ocekivana je cifra");
        if (!atEnd() && (peek() == 'e' || peek() == 'E')) {
            ++m_at;
            if (!take("+")) take("-");
            if (!digits()) return fail("u eksponentu broja ocekivana je cifra");
        }
        value.kind = Value::Kind::Number;
        value.text = m_bytes.substr(start, m_at - start);
        return value;
    }

    std::expected<std::uint32_t, ReadError> hex4() {
        if (m_bytes.size() - m_at < 4)
            return fail("posle \\u ocekivane su cetiri heksadecimalne cifre");
        std::uint32_t point = 0;
        for (int i = 0; i < 4; ++i) {
            const char c = m_bytes[m_at++];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) return fail("posle \\u ocekivane su cetiri heksadecimalne cifre");
            point = point << 4 | std::uint32_t(digit);
        }
        return point;
    }

    std::expected<std::uint32_t, ReadError> escapedPoint() {
        auto point = hex4();
        if (!point || *point < 0xD800 || *point > 0xDFFF) return point;
        if (*point >= 0xDC00 || !take("\\u")) return fail("surogat \\u bez svog para");
        auto low = hex4();
        if (!low) return low;
        if (*low < 0xDC00 || *low > 0xDFFF) return fail("surogat \\u bez svog para");
        return 0x10000 + ((*point - 0xD800) << 10) + (*low - 0xDC00);
    }

    std::expected<std::string, ReadError> string() {
        ++m_at;  // the opening quote
        std::string text;
        while (true) {
            if (atEnd()) return fail("tekst nije zatvoren navodnikom");
            const char c = peek();
            if (c == '"') {
                ++m_at;
                return text;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return fail("u tekstu je kontrolni znak; pise se kao \\n, \\t ili \\u");
            if (c == '\\') {
                ++m_at;
                if (atEnd()) return fail("tekst nije zatvoren navodnikom");
                const char escape = m_bytes[m_at++];
                static constexpr std::string_view from = "\"\\/bfnrt", to = "\"\\/\b\f\n\r\t";
                if (const auto at = from.find(escape); at != std::string_view::npos) {
                    text += to[at];
                } else if (escape == 'u') {
                    auto point = escapedPoint();
                    if (!point) return std::unexpected(point.error());
                    appendUtf8(text, *point);
                } else {
                    return fail("posle \\ ocekivan je jedan od znakova \" \\ / b f n r t u");
                }
                continue;
            }
            const auto length = utf8Length(m_bytes.substr(m_at));
            if (!length) return fail("u tekstu je bajt koji nije UTF-8");
            text += m_bytes.substr(m_at, *length);
            m_at += *length;
        }
    }

    // Between the items of an array or the members of an object; true at the closing bracket.
    std::expected<bool, ReadError> next(char close, bool first) {
        skipBlanks();
        if (take(std::string_view(&close, 1))) return true;
        if (!first && !take(","))
            return fail(std::string("ocekivan je zarez ili znak \"") + close + "\"");
        skipBlanks();
        return false;
    }

    std::expected<Value, ReadError> array(Value value, int depth) {
        ++m_at;
        value.kind = Value::Kind::Array;
        for (bool first = true;; first = false) {
            auto closed = next(']', first);
            if (!closed) return std::unexpected(closed.error());
            if (*closed) return value;
            auto item = this->value(depth + 1);
            if (!item) return item;
            value.items.push_back(std::move(*item));
        }
    }

    std::expected<Value, ReadError> object(Value value, int depth) {
        ++m_at;
        value.kind = Value::Kind::Object;
        for (bool first = true;; first = false) {
            auto closed = next('}', first);
            if (!closed) return std::unexpected(closed.error());
            if (*closed) return value;
            if (atEnd() || peek() != '"') return fail("ocekivano je ime polja pod navodnicima");
            auto key = string();
            if (!key) return std::unexpected(key.error());
            if (std::ranges::find(value.keys, *key) != value.keys.end())
                return fail("polje \"" + *key + "\" je dva puta u istom objektu");
            skipBlanks();
            if (!take(":")) return fail("posle imena polja ocekivan je znak \":\"");
            skipBlanks();
            auto item = this->value(depth + 1);
            if (!item) return item;
            value.keys.push_back(std::move(*key));
            value.items.push_back(std::move(*item));
        }
    }

    std::string_view m_bytes;
    std::size_t m_at = 0;
    std::size_t m_line = 1;
};

}  // namespace

std::expected<Value, ReadError> parse(std::string_view bytes) { return Parser(bytes).document(); }

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = text[i];
        static constexpr std::string_view from = "\"\\\b\f\n\r\t", to = "\"\\bfnrt";
        if (const auto at = from.find(char(c)); at != std::string_view::npos) {
            out += '\\';
            out += to[at];
        } else if (c < 0x20 || c == 0x7F) {
            static constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else if (const auto length = utf8Length(text.substr(i))) {
            out += text.substr(i, *length);
            i += *length;
            continue;
        } else {
            appendUtf8(out, c);
        }
        ++i;
    }
    return out + '"';
}

}  // namespace project::json
