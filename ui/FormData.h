#pragma once
// Form data: the component tree of a form, its properties and event bindings, written in a small
// text format of our own and compiled into the executable as an RCDATA resource.
//
//   object About: TAbout               a component: its name and its kind
//     Caption = 'Kamifudaのバージョン情報'   string (UTF-8, '' stands for one quote)
//     ClientWidth = 278                   integer (also negative, or $hex)
//     BorderStyle = bsDialog              identifier (enumerations, handler names, true/false)
//     Anchors = [akLeft, akBottom]        set of identifiers
//     Font.Height = -24                   dotted names address a part of a property
//     object OKBtn: TButton               nested components, in order
//     end
//   end
//
// Lines starting with # are comments.

#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct FormValue {
    enum class Type
    {
        Integer,
        String,
        Identifier,
        Set
    };
    Type type = Type::Integer;
    long long integer = 0;
    std::string text;                  // String and Identifier
    std::vector<std::string> elements; // Set
};

struct FormProperty {
    std::string name;
    FormValue value;
    int line = 0;
};

struct FormNode {
    std::string name;
    std::string kind;
    std::vector<FormProperty> properties;
    std::vector<FormNode> children;
    int line = 0;
};

// Parses form data; raises ui::Error naming the line on a syntax error.
FormNode ParseFormData(std::string_view text);

// Reads the RCDATA resource of that name from the running executable and parses it, once per run:
// every memo window is built from the same form data.
const FormNode& LoadFormResource(const wchar_t* resourceName);

} // namespace ui
