#include "FormData.h"

#include "Error.h"
#include "Text.h"

#include <windows.h>

#include <cctype>
#include <map>

namespace ui {
namespace {

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    FormNode Document()
    {
        NextLine();
        FormNode root = Object();
        NextLine();
        if (!AtEnd())
            Fail("text after the last 'end'");
        return root;
    }

private:
    std::string_view text_;
    size_t pos_ = 0;
    int lineNumber_ = 0;
    std::string_view line_;

    bool AtEnd() const { return line_.empty() && pos_ >= text_.size(); }

    [[noreturn]] void Fail(const std::string& what) const
    {
        throw Error("form data, line " + std::to_string(lineNumber_) + ": " + what);
    }

    // Moves to the next line that is not blank and not a comment, trimmed of blanks.
    void NextLine()
    {
        line_ = {};
        while (pos_ < text_.size()) {
            size_t end = text_.find('\n', pos_);
            if (end == std::string_view::npos)
                end = text_.size();
            std::string_view line = text_.substr(pos_, end - pos_);
            pos_ = end + 1;
            ++lineNumber_;
            line = Trim(line);
            if (!line.empty() && line.front() != '#') {
                line_ = line;
                return;
            }
        }
    }

    static std::string_view Trim(std::string_view s)
    {
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
            s.remove_prefix(1);
        while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
            s.remove_suffix(1);
        return s;
    }

    static bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }

    static bool IsName(std::string_view s)
    {
        if (s.empty() || std::isdigit(static_cast<unsigned char>(s.front())))
            return false;
        for (char c : s)
            if (!IsNameChar(c))
                return false;
        return true;
    }

    FormNode Object()
    {
        if (line_.substr(0, 7) != "object ")
            Fail("expected 'object <Name>: <Kind>'");
        FormNode node;
        node.line = lineNumber_;
        std::string_view rest = line_.substr(7);
        size_t colon = rest.find(':');
        if (colon == std::string_view::npos)
            Fail("expected ':' between the component's name and kind");
        node.name = std::string(Trim(rest.substr(0, colon)));
        node.kind = std::string(Trim(rest.substr(colon + 1)));
        if (!IsName(node.name) || !IsName(node.kind))
            Fail("bad component name or kind");
        for (NextLine(); line_ != "end"; NextLine()) {
            if (AtEnd())
                Fail("missing 'end' for '" + node.name + "'");
            if (line_.substr(0, 7) == "object ")
                node.children.push_back(Object());
            else
                node.properties.push_back(Property());
        }
        return node;
    }

    FormProperty Property()
    {
        size_t equals = line_.find('=');
        if (equals == std::string_view::npos)
            Fail("expected '<Property> = <value>'");
        FormProperty property;
        property.line = lineNumber_;
        property.name = std::string(Trim(line_.substr(0, equals)));
        if (!IsName(property.name))
            Fail("bad property name '" + property.name + "'");
        property.value = Value(Trim(line_.substr(equals + 1)));
        return property;
    }

    FormValue Value(std::string_view s)
    {
        FormValue value;
        if (s.empty())
            Fail("missing value");
        if (s.front() == '\'') {
            value.type = FormValue::Type::String;
            value.text = QuotedString(s);
        } else if (s.front() == '[') {
            value.type = FormValue::Type::Set;
            if (s.back() != ']')
                Fail("a set must end with ']'");
            std::string_view inner = s.substr(1, s.size() - 2);
            while (!Trim(inner).empty()) {
                size_t comma = inner.find(',');
                std::string_view element = Trim(inner.substr(0, comma));
                if (!IsName(element))
                    Fail("bad set element '" + std::string(element) + "'");
                value.elements.emplace_back(element);
                if (comma == std::string_view::npos)
                    break;
                inner.remove_prefix(comma + 1);
            }
        } else if (s.front() == '-' || s.front() == '$' || std::isdigit(static_cast<unsigned char>(s.front()))) {
            value.type = FormValue::Type::Integer;
            value.integer = Integer(s);
        } else if (IsName(s)) {
            value.type = FormValue::Type::Identifier;
            value.text = std::string(s);
        } else {
            Fail("bad value '" + std::string(s) + "'");
        }
        return value;
    }

    std::string QuotedString(std::string_view s)
    {
        std::string out;
        size_t i = 1;
        for (;;) {
            if (i >= s.size())
                Fail("unterminated string");
            if (s[i] == '\'') {
                if (i + 1 < s.size() && s[i + 1] == '\'') {
                    out += '\'';
                    i += 2;
                    continue;
                }
                if (i + 1 != s.size())
                    Fail("text after the closing quote");
                return out;
            }
            out += s[i++];
        }
    }

    long long Integer(std::string_view s)
    {
        bool negative = false;
        if (s.front() == '-') {
            negative = true;
            s.remove_prefix(1);
        }
        int base = 10;
        if (!s.empty() && s.front() == '$') {
            base = 16;
            s.remove_prefix(1);
        }
        if (s.empty() || s.size() > 15)
            Fail("bad number");
        long long n = 0;
        for (char c : s) {
            int digit;
            if (std::isdigit(static_cast<unsigned char>(c)))
                digit = c - '0';
            else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
                digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
            else
                Fail("bad number");
            n = n * base + digit;
        }
        return negative ? -n : n;
    }
};

} // namespace

FormNode ParseFormData(std::string_view text)
{
    return Parser(text).Document();
}

const FormNode& LoadFormResource(const wchar_t* resourceName)
{
    static std::map<std::wstring, FormNode> parsed;
    if (auto found = parsed.find(resourceName); found != parsed.end())
        return found->second;
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!info)
        throw Error("form data '" + WideToUtf8(resourceName) + "' is missing from the executable");
    HGLOBAL data = LoadResource(module, info);
    const char* bytes = data ? static_cast<const char*>(LockResource(data)) : nullptr;
    if (!bytes)
        ThrowLastError("LoadResource");
    return parsed.emplace(resourceName, ParseFormData(std::string_view(bytes, SizeofResource(module, info))))
        .first->second;
}

} // namespace ui
