// The host's GL state never changes what the interface draws, and is all there after it drew:
// one piece of state per row, set as a host's renderer leaves it before drawInterface, in a
// compatibility context and in a core one. Each row draws a frame in full, the same frame
// put back from its saved copy, and one repaired after a change, and compares each, byte for
// byte, with the frames drawn from a clean context.
#include "trellis/shell/Host.h"

#include "support/GlTest.h"
#include "support/TestFont.h"
#include "trellis/font/TextureFont.h"
#include "trellis/gui/Button.h"
#include "trellis/gui/Panel.h"
#include "trellis/gui/TextField.h"
#include "trellis/gui/Window.h"
#include "trellis/render/Renderer.h"
#include "trellis/style/SkinStore.h"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <string>
#include <vector>

using namespace trellis;

namespace {

using Values = std::vector<long>;

// Reads integer state, count values of pname.
Values integers(GLenum pname, int count = 1) {
    GLint read[4] = {};
    glGetIntegerv(pname, read);
    return Values(read, read + count);
}

// Reads switches.
Values switches(std::initializer_list<GLenum> caps) {
    Values values;
    for (GLenum cap : caps)
        values.push_back(glIsEnabled(cap));
    return values;
}

// The state of generic attributes 0 to 3 of the bound vertex array object.
Values attributes() {
    Values values;
    for (GLuint i = 0; i < 4; ++i)
        for (GLenum pname : {GL_VERTEX_ATTRIB_ARRAY_ENABLED, GL_VERTEX_ATTRIB_ARRAY_SIZE,
                             GL_VERTEX_ATTRIB_ARRAY_BUFFER_BINDING}) {
            GLint value = 0;
            glGetVertexAttribiv(i, pname, &value);
            values.push_back(value);
        }
    return values;
}

// A buffer of a scene's vertices: a triangle over much of the viewport.
GLuint sceneBuffer(GLenum target) {
    const float vertices[] = {-0.9f, -0.9f, 0.9f, -0.9f, 0.0f, 0.9f, 0.5f, 0.5f};
    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(target, buffer);
    glBufferData(target, sizeof vertices, vertices, GL_STATIC_DRAW);
    return buffer;
}

// A vertex array object bound, as a core-profile host always has one.
GLuint boundVertexArray() {
    GLuint array = 0;
    glGenVertexArrays(1, &array);
    glBindVertexArray(array);
    return array;
}

// Generic attributes 0 and 3 enabled, reading a buffer of the host's.
void hostAttributes() {
    sceneBuffer(GL_ARRAY_BUFFER);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
    glVertexAttribPointer(3, 4, GL_FLOAT, GL_FALSE, 0, nullptr);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(3);
}

// A program that paints everything green, in the language of the context.
GLuint greenProgram(bool core) {
    const char* vertex = core ? "#version 330 core\nlayout(location = 0) in vec2 p;\n"
                                "void main() { gl_Position = vec4(p, 0.0, 1.0); }\n"
                              : "#version 120\nattribute vec2 p;\n"
                                "void main() { gl_Position = vec4(p, 0.0, 1.0); }\n";
    const char* fragment = core ? "#version 330 core\nout vec4 c;\n"
                                  "void main() { c = vec4(0.0, 1.0, 0.0, 1.0); }\n"
                                : "#version 120\n"
                                  "void main() { gl_FragColor = vec4(0.0, 1.0, 0.0, 1.0); }\n";
    const GLuint program = glCreateProgram();
    for (auto [type, source] :
         {std::pair{GL_VERTEX_SHADER, vertex}, {GL_FRAGMENT_SHADER, fragment}}) {
        const GLuint shader = glCreateShader(type);
        glShaderSource(shader, 1, &source, nullptr);
        glCompileShader(shader);
        glAttachShader(program, shader);
    }
    glBindAttribLocation(program, 0, "p");
    glLinkProgram(program);
    GLint linked = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &linked);
    EXPECT_TRUE(linked);
    return program;
}

// One piece of host state: how a host sets it (core: in a core context), and how it is read.
struct HostStateRow {
    const char* name;
    void (*set)(bool core);
    Values (*read)();
};

const HostStateRow kRows[] = {
    {"a vertex array object of the host's", [](bool) { boundVertexArray(); },
     [] { return integers(GL_VERTEX_ARRAY_BINDING); }},
    {"an array buffer",
     [](bool core) {
         if (core)
             boundVertexArray();
         sceneBuffer(GL_ARRAY_BUFFER);
     },
     [] { return integers(GL_ARRAY_BUFFER_BINDING); }},
    {"an element buffer",
     [](bool core) {
         if (core)
             boundVertexArray();
         sceneBuffer(GL_ELEMENT_ARRAY_BUFFER);
     },
     [] { return integers(GL_ELEMENT_ARRAY_BUFFER_BINDING); }},
    {"generic attributes enabled",
     [](bool core) {
         if (core)
             boundVertexArray();
         hostAttributes();
     },
     [] { return attributes(); }},
    {"a host's scene left bound: its array object, buffers, program and attribute 0",
     [](bool core) {
         boundVertexArray();
         sceneBuffer(GL_ELEMENT_ARRAY_BUFFER);
         hostAttributes();
         glUseProgram(greenProgram(core));
     },
     [] {
         Values v = integers(GL_VERTEX_ARRAY_BINDING);
         for (long x : integers(GL_ELEMENT_ARRAY_BUFFER_BINDING))
             v.push_back(x);
         for (long x : integers(GL_CURRENT_PROGRAM))
             v.push_back(x);
         for (long x : attributes())
             v.push_back(x);
         return v;
     }},
    {"a program", [](bool core) { glUseProgram(greenProgram(core)); },
     [] { return integers(GL_CURRENT_PROGRAM); }},
    {"a sampler object on unit 0",
     [](bool) {
         GLuint sampler = 0;
         glGenSamplers(1, &sampler);
         // The font's 1 x 1 level and clamped to black: grey or no text at all.
         glSamplerParameterf(sampler, GL_TEXTURE_MIN_LOD, 3);
         glSamplerParameterf(sampler, GL_TEXTURE_MAX_LOD, 3);
         glSamplerParameteri(sampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
         glBindSampler(0, sampler);
     },
     [] { return integers(GL_SAMPLER_BINDING); }},
    {"another texture unit active, a texture bound on unit 0",
     [](bool) {
         GLuint texture = 0;
         glGenTextures(1, &texture);
         glBindTexture(GL_TEXTURE_2D, texture);
         const unsigned char blue[] = {0, 0, 255, 255};
         glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, blue);
         glActiveTexture(GL_TEXTURE3);
     },
     [] {
         Values v = integers(GL_ACTIVE_TEXTURE);
         glActiveTexture(GL_TEXTURE0);
         v.push_back(integers(GL_TEXTURE_BINDING_2D)[0]);
         glActiveTexture(GLenum(v[0]));
         return v;
     }},
    {"a pixel-unpack buffer and unpack alignment",
     [](bool) {
         GLuint buffer = 0;
         glGenBuffers(1, &buffer);
         glBindBuffer(GL_PIXEL_UNPACK_BUFFER, buffer);
         glBufferData(GL_PIXEL_UNPACK_BUFFER, 64, nullptr, GL_STREAM_DRAW);
         glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
         glPixelStorei(GL_UNPACK_ROW_LENGTH, 3);
     },
     [] {
         Values v = integers(GL_PIXEL_UNPACK_BUFFER_BINDING);
         v.push_back(integers(GL_UNPACK_ALIGNMENT)[0]);
         v.push_back(integers(GL_UNPACK_ROW_LENGTH)[0]);
         return v;
     }},
    {"an sRGB framebuffer", [](bool) { glEnable(GL_FRAMEBUFFER_SRGB); },
     [] { return switches({GL_FRAMEBUFFER_SRGB}); }},
    {"a scissor",
     [](bool) {
         glEnable(GL_SCISSOR_TEST);
         glScissor(10, 20, 30, 40);
     },
     [] {
         Values v = switches({GL_SCISSOR_TEST});
         for (long x : integers(GL_SCISSOR_BOX, 4))
             v.push_back(x);
         return v;
     }},
    {"a colour mask", [](bool) { glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE); },
     [] { return integers(GL_COLOR_WRITEMASK, 4); }},
    {"polygon mode", [](bool) { glPolygonMode(GL_FRONT_AND_BACK, GL_LINE); },
     [] { return integers(GL_POLYGON_MODE, 2); }},
    {"cull face",
     [](bool) {
         glEnable(GL_CULL_FACE);
         glCullFace(GL_FRONT_AND_BACK);
     },
     [] {
         Values v = switches({GL_CULL_FACE});
         v.push_back(integers(GL_CULL_FACE_MODE)[0]);
         return v;
     }},
    {"depth state",
     [](bool) {
         glEnable(GL_DEPTH_TEST);
         glDepthFunc(GL_NEVER);
         glDepthMask(GL_FALSE);
         glDepthRange(0.25, 0.5);
         glClearDepth(0.125);
     },
     [] {
         Values v = switches({GL_DEPTH_TEST});
         v.push_back(integers(GL_DEPTH_FUNC)[0]);
         v.push_back(integers(GL_DEPTH_WRITEMASK)[0]);
         GLfloat range[2], clear = 0;
         glGetFloatv(GL_DEPTH_RANGE, range);
         glGetFloatv(GL_DEPTH_CLEAR_VALUE, &clear);
         v.push_back(long(range[0] * 1000));
         v.push_back(long(range[1] * 1000));
         v.push_back(long(clear * 1000));
         return v;
     }},
    {"stencil state",
     [](bool) {
         glEnable(GL_STENCIL_TEST);
         glStencilFunc(GL_NEVER, 1, 0xff);
         glStencilOp(GL_INCR, GL_INCR, GL_INCR);
     },
     [] {
         Values v = switches({GL_STENCIL_TEST});
         v.push_back(integers(GL_STENCIL_FUNC)[0]);
         v.push_back(integers(GL_STENCIL_FAIL)[0]);
         return v;
     }},
    {"blending",
     [](bool) {
         glEnable(GL_BLEND);
         glBlendFunc(GL_ONE, GL_ONE);
         glBlendEquation(GL_FUNC_REVERSE_SUBTRACT);
     },
     [] {
         Values v = switches({GL_BLEND});
         v.push_back(integers(GL_BLEND_SRC_RGB)[0]);
         v.push_back(integers(GL_BLEND_EQUATION_RGB)[0]);
         return v;
     }},
};

}  // namespace

// A context of either profile, the interface over the whole viewport with enough buttons that
// its frames are saved and put back and a text cut by a scrolling panel, and the frames a clean
// context shows.
class HostStateTest : public GlTest, public ::testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    void SetUp() override {
        coreProfile = std::get<0>(GetParam());
        stencilBits = 8;
        GlTest::SetUp();
        ASSERT_TRUE(initHostGui(kTestWindowWidth, kTestWindowHeight));
        const auto bytes = encodeFontFile(makeTestFont());
        const std::string font = files.write("font.glf", std::string(bytes.begin(), bytes.end()));
        ASSERT_TRUE(loadFont(font.c_str()));
        auto* window = new Window("", rootElement, "Host state");
        window->setRect(0, 0, 133.4f, 100);
        for (int i = 0; i < 300; ++i)
            buttons.push_back(new Button("", window, "Button", 0.5f + 3.5f * float(i % 37),
                                         3.5f + 1.3f * float(i / 37), 3, 1));
        // A scrolling panel whose text field reaches past its edge: glyphs cut to a clip.
        auto* panel = new Panel("", window);
        panel->setRect(10, 40, 30, 8);
        panel->scroll = true;
        (new TextField("", panel, 1, 6, 20, 4))->setText("Cut at the panel's edge");
    }
    void TearDown() override {
        destroyElement(rootElement);
        skinStore.clear();
        forgetRenderedFrame();
        GlTest::TearDown();
    }

    // Three frames: drawn in full, unchanged, and with one button's colour changed.
    std::vector<std::vector<unsigned char>> frames() {
        std::vector<std::vector<unsigned char>> drawn;
        const Color colour = buttons[40]->bgColor;
        forgetRenderedFrame();
        for (int i = 0; i < 3; ++i) {
            if (i == 2)
                buttons[40]->bgColor = Color{{250, 30, 30, 255}};
            drawInterface(true);
            EXPECT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "frame " << i;
            drawn.push_back(frame());
            stats.push_back(lastRenderStats().path);
        }
        buttons[40]->bgColor = colour;
        return drawn;
    }

    TempFolder files;
    std::vector<Button*> buttons;
    std::vector<RenderStats::Path> stats;
};

TEST_P(HostStateTest, NeitherChangesThePixelsNorIsLost) {
    const bool core = std::get<0>(GetParam());
    const HostStateRow& row = kRows[std::get<1>(GetParam())];
    SCOPED_TRACE(row.name);
    // The reference leaves the batched renderer's objects to be made under the host's state
    // (a core context has only the shader renderer).
    setRenderer(Renderer::Immediate);
    const auto expected = frames();
    setRenderer(Renderer::Automatic);
    const size_t lit = size_t(std::count_if(expected[0].begin(), expected[0].end(),
                                            [&](unsigned char v) { return v != expected[0][0]; }));
    ASSERT_GT(lit, 100000u) << "the interface is drawn";
    stats.clear();
    row.set(core);
    ASSERT_EQ(glGetError(), GLenum(GL_NO_ERROR)) << "setting the host's state";
    const Values before = row.read();
    const auto drawn = frames();
    EXPECT_EQ(row.read(), before) << "the host's state after drawing";
    EXPECT_EQ(stats,
              (std::vector<RenderStats::Path>{RenderStats::Path::Drawn, RenderStats::Path::Copied,
                                              RenderStats::Path::Repaired}));
    for (size_t i = 0; i < drawn.size(); ++i) {
        size_t differ = 0;
        for (size_t p = 0; p < drawn[i].size(); p += 4)
            differ += std::equal(&drawn[i][p], &drawn[i][p] + 4, &expected[i][p]) ? 0 : 1;
        EXPECT_EQ(differ, 0u) << "pixels differ in frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Compatibility, HostStateTest,
                         ::testing::Combine(::testing::Values(false),
                                            ::testing::Range(0, int(std::size(kRows)))));
INSTANTIATE_TEST_SUITE_P(Core, HostStateTest,
                         ::testing::Combine(::testing::Values(true),
                                            ::testing::Range(0, int(std::size(kRows)))));
