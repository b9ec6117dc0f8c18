#include "animation/animart_writer.h"

#include <QDir>
#include <QFontInfo>
#include <QSaveFile>
#include <algorithm>

#include "platform/ansi.h"
#include "platform/picture_decoder.h"
#include "platform/shell.h"
#include "webart/html_text.h"

namespace glifora {

const std::array<std::string_view, 77> kAnimArtTemplate = {
    R"~(  var delay=80;)~",
    R"~(  var top=60;)~",
    R"~(  var left=8;)~",
    R"~(  var width=300;)~",
    R"~(  var height=187;)~",
    R"~(  var posi=0;)~",
    R"~(  var prev=1;)~",
    R"~(  var run=true;)~",
    R"~(  document.write("<"+"style type='text/css'><"+"!-- ");)~",
    R"~(  for (i=0;i<=max_pics;i++) )~",
    R"~(   document.write("#text"+i+" {position:absolute; left:"+left+"px; top:"+top+"px; width:"+width+"px; height:"+height+"px; z-index:"+i+"; visibility:hidden}");)~",
    R"~(  document.write("--"+"><"+"/style>");)~",
    R"~(  with(navigator) {)~",
    R"~(   Browser=appName;)~",
    R"~(   Version=parseInt(appVersion.charAt(0));)~",
    R"~(  })~",
    R"~(  if (document.layers) {)~",
    R"~(   var doc = 'document.';)~",
    R"~(   var vis = '.visibility';)~",
    R"~(   var bsr = "Ns4";)~",
    R"~(  })~",
    R"~(  else)~",
    R"~(  if (document.all) {)~",
    R"~(   var doc = 'document.all.';)~",
    R"~(   var vis = '.style.visibility';)~",
    R"~(   var bsr = "Ie4";)~",
    R"~(  })~",
    R"~(  else)~",
    R"~(  if (document.getElementById) {)~",
    R"~(   var doc = 'document.getElementById(\"';)~",
    R"~(   var vis = '\").style.visibility';)~",
    R"~(   var bsr = "Ns6";)~",
    R"~(  })~",
    R"~(  else {)~",
    R"~(   document.write("<"+"h2><"+"font color='#888888'>This animation requires at least a Mozilla 4 Browser!<"+"/font><"+"/h2>");)~",
    R"~(  })~",
    R"~(  function show() {)~",
    R"~(   posi=posi+1;)~",
    R"~(   if (posi>max_pics) posi=1;)~",
    R"~(   eval(doc + 'text' + prev + vis + ' = "hidden"');)~",
    R"~(   eval(doc + 'text' + posi + vis + ' = "visible"');)~",
    R"~(   prev=posi;)~",
    R"~(   if (run) setTimeout("show()",delay);)~",
    R"~(  })~",
    R"~(  function stat() {)~",
    R"~(   run=!run;)~",
    R"~(   if (run) {document.F0.B0.value=" Pausa "; show();})~",
    R"~(   else document.F0.B0.value=" Play  ";)~",
    R"~(  })~",
    R"~( </script>)~",
    R"~(</head>)~",
    R"~(<body bgcolor="#FFFFFF" onload="document.F0.D0.value=delay;show();">)~",
    R"~( <div align="center">)~",
    R"~(  <form name="F0">)~",
    R"~(    <p><font size=1 face="Courier New" color="#000000"> </font><font size=1 face="Courier New" color="#000000"> )~",
    R"~(      </font></p>)~",
    R"~(    <table width="75%" border="0">)~",
    R"~(      <tr bgcolor="#FFCC00"> )~",
    R"~(        <td width="20%"> )~",
    R"~(          <div align="center"><font size=1 face="Courier New" color="#000000"> )~",
    R"~(            <input style="font-family: 'Courier New'" onClick=stat(); type=button value="Stop" name=B0>)~",
    R"~(            </font></div></td>)~",
    R"~(        <td width="34%"><div align="center"><font size=1 face="Courier New" color="#000000"> )~",
    R"~(            <font face="Verdana, Arial, Helvetica, sans-serif"><strong>Avanzar )~",
    R"~(            frame</strong></font> )~",
    R"~(            <input name="button" type=button style="font-family: 'Courier New'" onClick="document.F0.B0.value=' Play  ';run=false;show();" value="--&gt;">)~",
    R"~(            </font></div></td>)~",
    R"~(        <td width="46%"> )~",
    R"~(          <div align="center"><font size=1 face="Verdana, Arial, Helvetica, sans-serif" color="#000000"><strong>Velocidad</strong></font><font size=1 face="Courier New" color="#000000"> )~",
    R"~(            <input name="D0" size=1>)~",
    R"~(            <input type=button name="Submit" value="Establecer" onClick="delay=document.F0.D0.value;">)~",
    R"~(            </font></div></td>)~",
    R"~(      </tr>)~",
    R"~(    </table>)~",
    R"~(    <p><font size=1 face="Courier New" color="#000000"> </font> </p>)~",
    R"~(    </form>)~",
    R"~( </div>)~",
};

namespace {

constexpr const char* kCrLf = "\r\n";

// Whether CSS reads `name` unquoted as one family: words of letters, digits,
// hyphens and underscores, none starting with a digit or "--".
bool PlainFamilyName(std::string_view name) {
    bool wordStart = true;
    for (size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (c == ' ') {
            if (wordStart) return false;  // leading or doubled blank
            wordStart = true;
            continue;
        }
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
                            static_cast<unsigned char>(c) >= 0x80;
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '-') return false;
        if (wordStart && (digit || (c == '-' && i + 1 < name.size() && name[i + 1] == '-')))
            return false;
        wordStart = false;
    }
    return !name.empty() && !wordStart;
}

// The font list of a frame: the face (Windows-1252, quoted for CSS where it
// would not read as one family) and the generic fixed-pitch family.
std::string FontFamilyList(std::string_view faceUtf8) {
    if (faceUtf8.empty()) return "monospace";
    const std::string face = Utf8ToAnsi(faceUtf8);
    if (PlainFamilyName(face)) return face + ", monospace";
    std::string quoted = "'";
    for (char c : face) {
        if (c == '\\' || c == '\'') quoted += '\\';
        quoted += c;
    }
    return quoted + "', monospace";
}

}  // namespace

std::string MeasuredFace(const QFont& font) {
    return QFontInfo(font).family().toStdString();
}

std::vector<std::string> ListPictureFiles(const std::string& folder) {
    QDir dir(QString::fromStdString(folder));
    QStringList names = dir.entryList({"*.bmp", "*.gif", "*.jpg", "*.jpeg"}, QDir::Files);
    // Case first ignored, then by code point so the order is total.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    std::vector<std::string> out;
    out.reserve(static_cast<size_t>(names.size()));
    for (const QString& name : names) out.push_back(name.toStdString());
    return out;
}

std::string AnimArtPageHead(int frames) {
    std::string out;
    out += "<html>";
    out += kCrLf;
    out += "<head>";
    out += kAnsiCharsetMeta;
    out += kCrLf;
    for (const char* l : {" <title>Animacion</title>", " <script>", "  <!-- DHTML -->"}) {
        out += l;
        out += kCrLf;
    }
    out += "  var max_pics=" + std::to_string(frames) + ";" + kCrLf;
    for (std::string_view l : kAnimArtTemplate) {
        out += l;
        out += kCrLf;
    }
    return out;
}

std::string AnimArtFrameBlock(int n, std::string_view textArt, std::string_view face) {
    std::string out = " <div id=\"text" + std::to_string(n) + "\">" + kCrLf;
    // A face the browser lacks would otherwise fall back to its proportional
    // default and scramble every frame, so the list ends in the generic
    // fixed-pitch family.
    out += "  <pre><font face=\"";
    out += EscapeHtmlAttribute(FontFamilyList(face));
    out += "\"; Size = 1 > ";
    out += kCrLf;
    out += EscapeHtmlText(textArt);
    out += kCrLf;
    out += "  </font></pre>";
    out += kCrLf;
    out += " </div>";
    out += kCrLf;
    return out;
}

std::string AnimArtPageTail() {
    return std::string("</body>") + kCrLf + "</html>" + kCrLf;
}

std::vector<std::string> AnimArtFramePaths(const AnimArtRequest& request) {
    std::vector<std::string> paths;
    const std::vector<std::string> files = ListPictureFiles(request.folder);
    if (files.empty()) return paths;
    if (request.fromGif) {
        for (const std::string& n : request.selection)
            paths.push_back(request.folder + "/Fotograma " + n + ".bmp");
    } else {
        for (const std::string& name : files) paths.push_back(request.folder + "/" + name);
    }
    return paths;
}

AnimArtPageResult WriteAnimArtPage(const AnimArtRequest& request, FrameTextMaker& maker,
                                   const ByteSink& sink, const AnimArtProgress& progress) {
    AnimArtPageResult result;
    if (ListPictureFiles(request.folder).empty()) return result;
    const std::vector<std::string> paths = AnimArtFramePaths(request);
    const int n = static_cast<int>(paths.size());
    if (!sink(AnimArtPageHead(n))) return result;
    for (int i = 0; i < n; ++i) {
        const std::string& picture = paths[static_cast<size_t>(i)];
        PictureLoad load = DecodePicture(picture);
        if (load.Ok())
            maker.LoadFrame(std::move(load.raster));
        else
            result.undecodable.push_back(picture);
        if (!sink(AnimArtFrameBlock(i + 1, maker.ConvertFrame(), request.face))) return result;
        if (progress) progress(i + 1, n);
    }
    result.written = sink(AnimArtPageTail());
    result.frames = n;
    return result;
}

std::string AnimArtFolderQuestion() {
    return "Mediante esta opcion generará un archivo HTML con la animación de los bmp´s que se "
           "encuentren en el directorio seleccionado.\n"
           "Se seguirá un orden alfabético de los archivos para la generación de la animación. "
           "Si el directorio contiene muchos archivos,este proceso puede llevar bastante tiempo.\n"
           " ¿Desea continuar?";
}

}  // namespace glifora
