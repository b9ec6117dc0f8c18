// Real clients: a headless Chromium plays an animation page and renders a
// web-art page; ImageMagick writes a GIF that our splitter and loader read.
// Each test skips when its program is missing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <sstream>

#include "animation/animart_writer.h"
#include "animation/gif_frames.h"
#include "platform/picture_decoder.h"
#include "platform/text_metrics.h"
#include "test_support.h"
#include "webart/webart_writer.h"

namespace glifora {
namespace {

constexpr const char* kChromium = "/usr/bin/chromium";

// Opens `page` with `probe` appended and returns the text the probe hands to
// report(), after `budgetMs` of virtual time.
std::string RunProbe(const QTemporaryDir& dir, const std::string& page, const char* probe,
                     int budgetMs) {
    const QString path = dir.filePath("page.html");
    test::WriteFile(path.toStdString(), page + R"(<script>
function report(text) {
  var p = document.createElement('pre');
  p.id = 'probe';
  p.textContent = text;
  document.body.appendChild(p);
}
</script>
)" + probe);
    QProcess chromium;
    chromium.setProgram(kChromium);
    chromium.setArguments({"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                           "--no-first-run", "--disable-background-networking",
                           "--disable-component-update", "--disable-sync",
                           "--user-data-dir=" + dir.filePath("profile"),
                           "--virtual-time-budget=" + QString::number(budgetMs), "--dump-dom",
                           QUrl::fromLocalFile(path).toString()});
    chromium.setStandardInputFile(QProcess::nullDevice());
    chromium.start();
    if (!chromium.waitForFinished(90000)) {
        chromium.kill();
        chromium.waitForFinished();
        return "<chromium did not finish>";
    }
    const std::string dom = chromium.readAllStandardOutput().toStdString();
    const size_t begin = dom.find("<pre id=\"probe\">");
    if (begin == std::string::npos) return "<no probe in the page>";
    const size_t start = begin + 16;
    return dom.substr(start, dom.find("</pre>", start) - start);
}

class Browser : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!QFileInfo(kChromium).isExecutable()) GTEST_SKIP() << kChromium << " is missing";
    }
    QTemporaryDir dir;
};

// Drives the page's own controls the way a user would and notes what it sees.
const char* kAnimProbe = R"(<script>
var probe = [];
function visible() {
  var v = [];
  for (var i = 1; i <= 3; i++) {
    var e = document.getElementById('text' + i);
    if (e && getComputedStyle(e).visibility == 'visible') v.push(i);
  }
  return v.join(',');
}
window.addEventListener('load', function () {
  probe.push('start=' + visible());
  probe.push('text1=' + document.getElementById('text1').textContent.trim());
  var seen = {};
  var poll = setInterval(function () { seen[visible()] = 1; }, 10);
  setTimeout(function () {
    clearInterval(poll);
    probe.push('seen=' + Object.keys(seen).sort().join('/'));
    probe.push('field=' + document.F0.D0.value);
    document.F0.B0.click();
    probe.push('label=[' + document.F0.B0.value + ']');
    setTimeout(function () {
      var held = visible();
      setTimeout(function () {
        probe.push('paused=' + (held == visible() ? 'yes' : held + '/' + visible()));
        var before = visible();
        document.F0.button.click();
        probe.push('step=' + before + '/' + visible());
        document.F0.D0.value = '1000';
        document.F0.Submit.click();
        probe.push('delay=' + delay);
        document.F0.B0.click();
        probe.push('again=[' + document.F0.B0.value + ']');
        var last = visible(), changes = 0;
        var poll2 = setInterval(function () {
          var v = visible();
          if (v != last) { changes++; last = v; }
        }, 10);
        setTimeout(function () {
          clearInterval(poll2);
          probe.push('changes=' + changes);
          report(probe.join(';'));
        }, 1500);
      }, 400);
    }, 100);
  }, 500);
});
</script>
)";

TEST_F(Browser, AnimationPagePlaysPausesStepsAndTakesANewDelay) {
    const std::string page = AnimArtPageHead(3) +
                             AnimArtFrameBlock(1, "one <1>", "DejaVu Sans Mono") +
                             AnimArtFrameBlock(2, "two", "DejaVu Sans Mono") +
                             AnimArtFrameBlock(3, "three", "DejaVu Sans Mono") + AnimArtPageTail();
    const std::string seen = RunProbe(dir, page, kAnimProbe, 6000);
    EXPECT_NE(seen.find("start=1;"), std::string::npos) << seen;
    EXPECT_NE(seen.find("text1=one &lt;1&gt;;"), std::string::npos) << seen;  // shown as typed
    EXPECT_NE(seen.find("seen=1/2/3;"), std::string::npos) << seen;
    EXPECT_NE(seen.find("field=80;"), std::string::npos) << seen;
    EXPECT_NE(seen.find("label=[ Play  ];"), std::string::npos) << seen;
    EXPECT_NE(seen.find("paused=yes;"), std::string::npos) << seen;
    const size_t step = seen.find("step=");
    ASSERT_NE(step, std::string::npos) << seen;
    const int from = seen[step + 5] - '0';
    EXPECT_EQ(seen[step + 7] - '0', from % 3 + 1) << seen;
    EXPECT_NE(seen.find("delay=1000;"), std::string::npos) << seen;
    EXPECT_NE(seen.find("again=[ Pausa ];"), std::string::npos) << seen;
    // 1.5 s at the new delay of 1 s: one change, not the eighteen of 80 ms.
    EXPECT_NE(seen.find("changes=1"), std::string::npos) << seen;
}

TEST_F(Browser, QualityWebArtShowsEachSampleInItsColour) {
    Raster picture(3, 1);
    picture.SetPixel(0, 0, MakeColor(255, 0, 0));
    picture.SetPixel(1, 0, MakeColor(0, 128, 0));
    picture.SetPixel(2, 0, MakeColor(10, 0, 255));
    WebArtSettings s;
    s.quality = true;
    s.size = 5;
    s.borders.left = true;
    WebArtState state;
    const char* probe = R"(<script>
var out = [], fonts = document.getElementsByTagName('font');
// The parser reopens the page's last, unclosed element after the closing
// div; that copy holds only the line break.
for (var i = 0; i < fonts.length; i++)
  if (fonts[i].textContent.charAt(0) == '0') out.push(getComputedStyle(fonts[i]).color + ' ' + fonts[i].textContent.charAt(0));
report(out.join('|'));
</script>
)";
    EXPECT_EQ(RunProbe(dir, WebArtPage(picture, s, state), probe, 1000),
              "rgb(0, 0, 0) 0|rgb(255, 0, 0) 0|rgb(0, 128, 0) 0|rgb(10, 0, 255) 0");
}

// Measures, inside the first element that `selector` names, the widths of
// "iiiiiiii" and "MMMMMMMM", then the same in the page's proportional default
// font, so that the measurement itself is shown to tell the two apart.
std::string PitchProbe(const char* selector) {
    return std::string(R"(<script>
window.addEventListener('load', function () {
  function width(parent, text) {
    var s = document.createElement('span');
    s.textContent = text;
    parent.appendChild(s);
    var w = s.getBoundingClientRect().width;
    parent.removeChild(s);
    return w.toFixed(2);
  }
  var e = document.querySelector(')") +
           selector + R"(');
  var plain = document.createElement('div');
  plain.style.fontFamily = 'serif';
  plain.style.fontSize = '16px';
  document.body.appendChild(plain);
  report(width(e, 'iiiiiiii') + ' ' + width(e, 'MMMMMMMM') + ' ' +
    width(plain, 'iiiiiiii') + ' ' + width(plain, 'MMMMMMMM'));
});
</script>
)";
}

// "i M plainI plainM" as numbers.
std::vector<double> Widths(const std::string& probe) {
    std::vector<double> out;
    std::istringstream in(probe);
    double w = 0;
    while (in >> w) out.push_back(w);
    return out;
}

void ExpectFixedPitch(const std::string& probe, const std::string& label) {
    const std::vector<double> w = Widths(probe);
    ASSERT_EQ(w.size(), 4u) << label << ": " << probe;
    EXPECT_GT(w[0], 0.0) << label;
    EXPECT_NEAR(w[0], w[1], 0.01) << label << ": " << probe;
    EXPECT_GT(w[3], 1.5 * w[2]) << label << ": the control font is proportional: " << probe;
}

TEST_F(Browser, AnimationFramesAndNormalWebArtAreDrawnInAFixedPitchFace) {
    // The face the command line measures in by default, an installed face
    // named by the user, and a face the browser lacks: each falls back to a
    // fixed-pitch face, never to the proportional default.
    for (const std::string& face : {MeasuredFace(MakeTextArtFont("Lucida Console", 6)),
                                    std::string("Liberation Mono"), std::string("MS Sans Serif")}) {
        const std::string page =
            AnimArtPageHead(1) + AnimArtFrameBlock(1, "#%.", face) + AnimArtPageTail();
        ExpectFixedPitch(RunProbe(dir, page, PitchProbe("#text1 font").c_str(), 1000), face);
    }
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "iM";
    WebArtState state;
    PrepareWebPalette(s, state);
    const std::string page = WebArtPage(Raster(20, 20, 0xFFFFFF), s, state);
    ExpectFixedPitch(RunProbe(dir, page, PitchProbe("font[face]").c_str(), 1000), "normal mode");
}

// The drawn samples' box, "width height", in CSS pixels.
const char* kExtentProbe = R"(<script>
window.addEventListener('load', function () {
  var range = document.createRange();
  range.selectNodeContents(document.querySelector('div[align=center]'));
  var box = range.getBoundingClientRect();
  report(box.width.toFixed(2) + ' ' + box.height.toFixed(2));
});
</script>
)";

TEST_F(Browser, QualityWebArtKeepsThePicturesProportions) {
    struct Shape {
        int w, h;
    };
    for (const Shape shape : {Shape{200, 200}, Shape{400, 200}, Shape{100, 300}}) {
        for (int size : {1, 5}) {
            WebArtSettings s;
            s.quality = true;
            s.size = size;
            WebArtState state;
            const Raster picture = test::RandomRaster(shape.w, shape.h, 7);
            const std::string page = WebArtPage(picture, s, state);
            const std::string label = std::to_string(shape.w) + "x" + std::to_string(shape.h) +
                                      " size " + std::to_string(size);
            const std::vector<double> box = Widths(RunProbe(dir, page, kExtentProbe, 2000));
            ASSERT_EQ(box.size(), 2u) << label;
            ASSERT_GT(box[1], 0.0) << label;
            const double aspect = static_cast<double>(shape.w) / shape.h;
            EXPECT_NEAR(box[0] / box[1], aspect, 0.1 * aspect)
                << label << ": drawn " << box[0] << " x " << box[1];
            // One CSS pixel per sample across.
            const int step = 6 - size;
            EXPECT_NEAR(box[0], (shape.w + step - 1) / step, 0.1 * shape.w / step) << label;
        }
    }
}

// A user text with blanks gives the browser places to break a row; a page
// wider than the window must still show one line per row of samples.
TEST_F(Browser, NormalWebArtRowsNeverWrap) {
    WebArtSettings s;
    s.palette = kWebPaletteUserText;
    s.userText = "a b c ";
    WebArtState state;
    PrepareWebPalette(s, state);
    auto height = [&](int width) {
        const std::string page = WebArtPage(Raster(width, 42, 0xFFFFFF), s, state);
        const std::vector<double> box = Widths(RunProbe(dir, page, kExtentProbe, 1000));
        return box.size() == 2 ? box[1] : -1.0;
    };
    const double narrow = height(60);  // 20 samples a row: fits any window
    ASSERT_GT(narrow, 0.0);
    EXPECT_NEAR(height(6000), narrow, 0.1 * narrow);  // 2000 samples a row
}

TEST(ImageMagick, GifWrittenElsewhereSplitsIntoDecodableFrames) {
    const QString convert = QStandardPaths::findExecutable("convert");
    if (convert.isEmpty()) GTEST_SKIP() << "ImageMagick's convert is missing";
    QTemporaryDir dir;
    const QString gif = dir.filePath("made.gif");
    // Different colours per frame: ImageMagick gives the later frames local tables.
    QProcess p;
    p.start(convert, {"-size", "5x3", "xc:red", "xc:blue", "xc:lime", "xc:yellow", "-set", "delay",
                      "10", "-loop", "0", gif});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const std::string bytes = test::ReadFile(gif.toStdString());
    const GifFrameCut cut = CutGifFrames(bytes);
    ASSERT_EQ(cut.frames.size(), 4u);
    bool localTable = false;
    for (const GifFrameCut::Span& f : cut.frames)
        for (size_t i = f.begin; i + 9 < f.end; ++i)
            if (static_cast<unsigned char>(bytes[i]) == 0x2C) {
                localTable |= (static_cast<unsigned char>(bytes[i + 9]) & 0x80) != 0;
                break;
            }
    EXPECT_TRUE(localTable);
    const ColorValue expected[] = {MakeColor(255, 0, 0), MakeColor(0, 0, 255), MakeColor(0, 255, 0),
                                   MakeColor(255, 255, 0)};
    const std::string folder = dir.filePath("frames").toStdString();
    QDir().mkpath(QString::fromStdString(folder));
    ASSERT_TRUE(WriteFrameFiles(bytes, folder).error.empty());
    for (int n = 1; n <= 4; ++n) {
        const PictureLoad load = DecodePicture(folder + "/" + FrameFileName(n));
        ASSERT_TRUE(load.Ok()) << n << ": " << load.error;
        EXPECT_EQ(load.raster.Width(), 5);
        EXPECT_EQ(load.raster.Pixel(4, 2), expected[n - 1]) << n;
    }
}

}  // namespace
}  // namespace glifora
