#include "FormData.h"
#include "Error.h"

#include <gtest/gtest.h>

using ui::FormValue;
using ui::ParseFormData;

TEST(FormData, ParsesNestedComponentsAndEveryValueKind)
{
    ui::FormNode root = ParseFormData("# comment\n"
                                      "object About: TAbout\n"
                                      "  Caption = 'It''s ＯＫ'\n"
                                      "  Left = -12\n"
                                      "  Color = $A5FFFF\n"
                                      "  BorderStyle = bsDialog\n"
                                      "  Anchors = [akLeft, akBottom]\n"
                                      "  Empty = []\n"
                                      "  object OKBtn: TButton\n"
                                      "    Font.Height = -24\n"
                                      "  end\n"
                                      "end\n");
    EXPECT_EQ("About", root.name);
    EXPECT_EQ("TAbout", root.kind);
    ASSERT_EQ(6u, root.properties.size());
    EXPECT_EQ(FormValue::Type::String, root.properties[0].value.type);
    EXPECT_EQ("It's ＯＫ", root.properties[0].value.text);
    EXPECT_EQ(-12, root.properties[1].value.integer);
    EXPECT_EQ(0xA5FFFF, root.properties[2].value.integer);
    EXPECT_EQ(FormValue::Type::Identifier, root.properties[3].value.type);
    EXPECT_EQ("bsDialog", root.properties[3].value.text);
    EXPECT_EQ((std::vector<std::string>{"akLeft", "akBottom"}), root.properties[4].value.elements);
    EXPECT_TRUE(root.properties[5].value.elements.empty());
    ASSERT_EQ(1u, root.children.size());
    EXPECT_EQ("Font.Height", root.children[0].properties[0].name);
    EXPECT_EQ(4, root.properties[1].line);
}

TEST(FormData, SyntaxErrorsNameTheLine)
{
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"object A: TA\n  Left 5\nend\n", "line 2"},
        {"object A: TA\n  Caption = 'open\nend\n", "line 2"},
        {"object A: TA\n  Left = 12x\nend\n", "line 2"},
        {"object A: TA\n", "missing 'end'"},
        {"object A TA\nend\n", "line 1"},
        {"object A: TA\nend\nend\n", "after the last"},
    };
    for (const auto& c : cases) {
        try {
            ParseFormData(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const ui::Error& e) {
            EXPECT_NE(std::string::npos, std::string(e.what()).find(c.expected)) << e.what();
        }
    }
}
