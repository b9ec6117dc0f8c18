#include "cli/cli.h"

#include <cstdlib>
#include <iostream>

#include "cli/cli_basics.h"

namespace glifora::cli {

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = [] {
        std::vector<OptionSpec> anim = AsciiOptions();
        for (const OptionSpec& o : TerminalColorOptions()) anim.push_back(o);
        anim.push_back({"-o", true});
        std::vector<OptionSpec> ascii = anim;
        for (const OptionSpec& o : PictureOptions()) ascii.push_back(o);
        anim.push_back({"--frames", true});
        std::vector<Subcommand> t = {
            {"ascii",
             "ascii [IMAGEN] [-o ARCHIVO]\n"
             "    --palette 0..3  --font NOMBRE  --font-size PT  --luminosity -100..100\n"
             "    --negative  --columns N | --size 1..100 [--screen-width PX]\n"
             "    --outline [--fill] | --shape  --effect E[:P] (repetible)  --seed N\n"
             "    --color[=auto|always|never]  --color-depth 256|24  --background RRGGBB\n"
             "    -o IMAGEN.png|IMAGEN.bmp [--fg RRGGBB] [--bg RRGGBB] [--scale N]\n"
             "  Crea el AsciiArt de IMAGEN (sin IMAGEN, de una imagen de muestra).\n"
             "  Con -o escribe el archivo tal como lo guarda el programa; sin -o lo\n"
             "  muestra en UTF-8 con saltos de línea LF. Por omisión --columns 100;\n"
             "  --size usa un ancho de pantalla de 1920 píxeles si no se indica otro.\n"
             "  --shape elige cada carácter por su forma además de por su tono (más\n"
             "  detalle).\n"
             "  En el terminal cada carácter toma el color medio de la zona de la imagen\n"
             "  que representa: --color=auto (por omisión) solo si la salida es un\n"
             "  terminal y NO_COLOR no está definida; --color o --color=always siempre;\n"
             "  never, el texto sin color. Color de 24 bits si COLORTERM es truecolor o\n"
             "  24bit, si no 256 colores; --color-depth lo fija. --background pinta el\n"
             "  fondo de las celdas; con --negative el fondo es negro si no se indica.\n"
             "  Con -o ARCHIVO.png o .bmp dibuja el AsciiArt en su fuente, una celda por\n"
             "  carácter (columnas x ancho de celda por filas x alto de celda, por\n"
             "  --scale): texto --fg sobre fondo --bg (por omisión 000000 sobre FFFFFF),\n"
             "  o con --color cada carácter en el color de su celda.",
             ascii, 0, 1},
            {"web",
             "web IMAGEN -o ARCHIVO [--quality] [--size 1..5] [--text TEXTO]\n"
             "    [--background RRGGBB] [--borders top,bottom,left,right]\n"
             "    [--effect E[:P]]... [--seed N]\n"
             "  Crea el WebArt de IMAGEN. Sin --text la paleta es \"Binaria (0-1)\";\n"
             "  --size es el valor del control Tamaño (3 por omisión); los bordes solo\n"
             "  se añaden con --quality.",
             {{"-o", true},
              {"--quality", false},
              {"--size", true},
              {"--text", true},
              {"--background", true},
              {"--borders", true},
              {"--effect", true, true},
              {"--seed", true}},
             1,
             1},
            {"anim",
             "anim GIF|CARPETA (-o ARCHIVO | --color[=auto|always|never])\n"
             "    [--frames 1,2,...] [opciones de ascii] [--color-depth 256|24]\n"
             "    [--background RRGGBB]\n"
             "  Crea el AnimArt de los fotogramas de GIF (todos, o los de --frames en\n"
             "  ese orden) o de las imágenes bmp, gif, jpg y jpeg de CARPETA en orden\n"
             "  alfabético. Con --color no escribe la página: muestra el texto de cada\n"
             "  fotograma, uno tras otro y separados por una línea vacía, con los\n"
             "  colores como ascii.",
             anim, 1, 1},
            {"frames",
             "frames GIF -d CARPETA\n"
             "  Separa GIF en archivos \"Fotograma NN.bmp\" dentro de CARPETA y muestra\n"
             "  cuántos son (0 si no tiene ninguno; entonces no escribe nada).",
             {{"-d", true}},
             1,
             1},
            {"filter",
             "filter IMAGEN -o SALIDA.bmp|SALIDA.png (--effect E[:P] | --flip h|v\n"
             "    | --mirror top|bottom|left|right)... [--seed N]\n"
             "  Aplica a IMAGEN los efectos, giros y espejos en el orden dado y escribe\n"
             "  el resultado (sin pasos, la imagen tal como se lee). E es un código de\n"
             "  «glifora effects» o su nombre; P un número entero o un color #RRGGBB (sin\n"
             "  P, el parámetro de la primera entrada del menú). --mirror nombra la mitad\n"
             "  que se conserva.",
             {{"-o", true},
              {"--effect", true, true},
              {"--flip", true, true},
              {"--mirror", true, true},
              {"--seed", true}},
             1,
             1},
            {"effects",
             "effects\n"
             "  Lista los efectos: código, nombre, parámetro por omisión, rango del\n"
             "  diálogo de intensidad y entradas del menú.",
             {},
             0,
             0},
            {"glyphs",
             "glyphs [--palette 0..3] [--font NOMBRE] [--font-size PT] [--negative]\n"
             "  Muestra la celda y las tablas de brillo:\n"
             "    celda ANCHO ALTO\n"
             "    brillo MINIMO MAXIMO\n"
             "    glifo CODIGO VALOR     (256 líneas, códigos 0 a 255)\n"
             "    nivel NIVEL CODIGO     (256 líneas, niveles 0 a 255)",
             FontOptions(), 0, 0},
            {"fonts",
             "fonts\n  Lista las fuentes de ancho fijo instaladas, una por línea.",
             {},
             0,
             0},
        };
        return t;
    }();
    return table;
}

namespace {

const char* kIntro =
    "Glifora convierte imágenes en arte de texto.\n\n"
    "Uso:\n"
    "  glifora [IMAGEN]          abre el programa, opcionalmente con IMAGEN cargada\n"
    "  glifora --all-features    abre el programa con todas las funciones visibles\n";

void PrintHelp(std::ostream& out) {
    out << kIntro;
    for (const Subcommand& sub : Subcommands()) out << "  glifora " << sub.usage << "\n";
    out << "\nEstado de salida: 0 correcto, 1 si no se puede leer una entrada o escribir una\n"
           "salida, 2 si la orden está mal escrita.\n";
}

const Subcommand* Find(const std::string& name) {
    for (const Subcommand& sub : Subcommands())
        if (sub.name == name) return &sub;
    return nullptr;
}

}  // namespace

bool IsCliInvocation(int argc, char** argv) {
    if (argc < 2) return false;
    const std::string first = argv[1];
    return first == "--help" || first == "-h" || first == "--version" || Find(first) != nullptr;
}

int RunCli(int argc, char** argv, Runner (*runnerFor)(const std::string& name)) {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        PrintHelp(std::cout);
        return kExitOk;
    }
    if (first == "--version") {
        std::cout << "glifora " << GLIFORA_VERSION << "\n";
        return kExitOk;
    }
    const Subcommand* sub = Find(first);
    if (!sub) {
        std::cerr << "glifora: orden desconocida: " << first << "\n\n";
        PrintHelp(std::cerr);
        return kExitUsage;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::cout << "Uso: glifora " << sub->usage << "\n";
            return kExitOk;
        }
    const Runner run = runnerFor(sub->name);
    if (run == nullptr) return kExitElsewhere;
    try {
        const ParsedArgs parsed = ParseArgs(args, sub->options);
        if (parsed.positionals.size() < sub->minPositionals) throw UsageError("faltan argumentos");
        if (parsed.positionals.size() > sub->maxPositionals)
            throw UsageError("sobran argumentos: " + parsed.positionals.back());
        return run(parsed);
    } catch (const UsageError& e) {
        std::cerr << "glifora " << sub->name << ": " << e.what() << "\n\nUso: glifora "
                  << sub->usage << "\n";
        return kExitUsage;
    }
}

Runner LeanRunner(const std::string& name) {
    if (name == "effects") return RunEffects;
    if (name == "filter") return RunFilterDirectly;
    return nullptr;
}

}  // namespace glifora::cli
