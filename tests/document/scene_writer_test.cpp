#include <gtest/gtest.h>

#include <clocale>

#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/model_test.h"
#include "tests/support/scene_text_support.h"

namespace {

class SceneWriterTest : public ModelTest {};

TEST_F(SceneWriterTest, EmptyDocumentAtThePovRay2Level) {
    COrvantaDoc doc;
    EXPECT_EQ(Write(doc), kEmptyHeader);
}

TEST_F(SceneWriterTest, EmptyDocumentAtThePovRay3Level) {
    COrvantaDoc doc;
    doc.Pov3() = 1;
    doc.ZoomFront = 10;
    doc.ZoomRight = 100;
    doc.GridTop = 0.5;
    EXPECT_EQ(Write(doc),
              "//$author:$ \r\n"
              "//$company:$ \r\n"
              "\r\n"
              "//$zoom front:$ 10.0000\r\n"
              "//$zoom right:$ 100.0000\r\n"
              "//$zoom top:$ 0.0000\r\n"
              "//$grid front:$ 0.0000\r\n"
              "//$grid right:$ 0.0000\r\n"
              "//$grid top:$ 0.5000\r\n"
              "//$usepov3$ do not delete this line\r\n"
              "//\r\n//  standard include files for POV.\r\n//\r\n"
              "#include \"colors.inc\"\r\n"
              "#include \"textures.inc\"\r\n"
              "#include \"shapes.inc\"\r\n"
              "#include \"stoneold.inc\"\r\n"
              "#include \"consts.inc\"\r\n"
              "#include \"glass.inc\"\r\n"
              "#include \"golds.inc\"\r\n"
              "#include \"metals.inc\"\r\n"
              "#include \"woods.inc\"\r\n"
              "#include \"stones.inc\"\r\n\r\n\r\n");
}

TEST_F(SceneWriterTest, CommentLinesAuthorAndCompany) {
    COrvantaDoc doc;
    doc.Author() = "J\xF6rg M\xFCller ";
    doc.Company() = "Orvanta";
    struct Case {
        const char* comment;
        const char* lines;
    };
    const Case cases[] = {
        {"", "\r\n"},
        {"first\r\nsecond", "//$comment:$first\r\n//$comment:$second\r\n"},
        {"first\r\n", "//$comment:$first\r\n\r\n"},
        {"one line", "//$comment:$one line\r\n"},
    };
    for (const Case& c : cases) {
        doc.Comment() = c.comment;
        SceneText header;
        WriteSceneHeader(doc, header);
        const std::string expected = std::string("//$author:$ J\xF6rg M\xFCller \r\n") +
                                     "//$company:$ Orvanta\r\n" + c.lines;
        EXPECT_EQ(header.Text().substr(0, expected.size()), expected) << c.comment;
        EXPECT_EQ(header.Text().substr(expected.size(), 16), "//$zoom front:$ ") << c.comment;
    }
}

TEST_F(SceneWriterTest, UserIncludesAndShowInfos) {
    COrvantaDoc doc;
    doc.UserIncludes() = {"my.inc", "other.inc"};
    doc.ShowInfos() = true;
    const std::string text = Write(doc);
    const std::string block =
        "#include \"stones.inc\"\r\n\r\n\r\n"
        "//$user_inc begin$\r\n"
        "#include \"my.inc\"\r\n"
        "#include \"other.inc\"\r\n"
        "//$user_inc end$\r\n"
        "\r\n//$showinfos$\r\n";
    ASSERT_GE(text.size(), block.size());
    EXPECT_EQ(text.substr(text.size() - block.size()), block);
}

TEST_F(SceneWriterTest, ObjectsNewestFirstAndDeletedOnesSkipped) {
    COrvantaDoc doc;
    FakeViewPort front;
    doc.AddView(&front);
    auto* older = new CPovCubic();
    doc.InsertObject(older);
    auto* newer = new CPovCubic();
    doc.InsertObject(newer);
    std::string text = Write(doc);
    const size_t a = text.find("#declare Quader_001");
    const size_t b = text.find("#declare Quader_000");
    ASSERT_NE(a, std::string::npos);
    ASSERT_NE(b, std::string::npos);
    EXPECT_LT(a, b);

    newer->Select(front);
    doc.OnEditCut();
    text = Write(doc);
    EXPECT_EQ(text.find("Quader_001"), std::string::npos);
    doc.OnEditUndo();
    text = Write(doc);
    EXPECT_NE(text.find("#declare Quader_001 = box {"), std::string::npos);
}

TEST_F(SceneWriterTest, NumbersIgnoreAGermanLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no de_DE.UTF-8 locale";
    COrvantaDoc doc;
    doc.GridFront = 0.5;
    auto* box = new CPovCubic();
    box->ScaleStep() = Vector(1.5, 2, 2);
    doc.InsertObject(box);
    const std::string text = Write(doc);
    std::setlocale(LC_ALL, "C");
    EXPECT_NE(text.find("//$grid front:$ 0.5000\r\n"), std::string::npos);
    EXPECT_NE(text.find("  scale <1.5000,2.0000,2.0000>\r\n"), std::string::npos);
    // a decimal comma would show as a digit, a comma and four digits
    auto digit = [&](size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
    for (size_t i = 1; i + 4 < text.size(); ++i) {
        if (text[i] != ',')
            continue;
        EXPECT_FALSE(digit(i - 1) && digit(i + 1) && digit(i + 2) && digit(i + 3) && digit(i + 4))
            << text.substr(i - 1, 6);
    }
}

TEST_F(SceneWriterTest, SingleObjectTextHasNoHeader) {
    CPovCubic box;
    const std::string text = ObjectSceneText(box);
    EXPECT_EQ(text.rfind("#declare Quader_000 = box {\r\n", 0), 0u);
    EXPECT_EQ(text.find("//$"), std::string::npos);
}

}  // namespace
