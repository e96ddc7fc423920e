#include "app/language_table.h"

#include <array>
#include <string_view>

#include "analysis/cp1250.h"

namespace difonik {
namespace {

// Rows 1 and 2 name the menu items by role: the chosen language's item comes first.
constexpr std::u16string_view kChosenLanguageItem = u"<chosen language item>";
constexpr std::u16string_view kOtherLanguageItem = u"<other language item>";

struct Row {
    std::u16string_view control;
    std::u16string_view polish;
    std::u16string_view english;
};

// The help texts are single lines; the text area wraps them. The Polish one has two spaces after
// "Proszę", "ręcznie", "przyciski" and "Kolejnym".
constexpr std::u16string_view kPolishHelp =
    u"Program buduje alfabet, tworzy bazę difonów, oraz służy dla danego języka. Proszę  wczytać "
    u"z pliku lub wpisać ręcznie  możliwie najdłuzszy tekst w dowolnym języku a nastepnie klikając "
    u"w przyciski  oznaczone od (1) do (3) zostanie przeprowadzona analiza tekstu. Nastepnie proszę "
    u"podać nazwę tworzonej bazy i kliknąć ikonę dyskietki, by zapisac dane. Kolejnym  etapem jest "
    u"przypisywanie odpowiedników dźwiękowych wzorcom znakowym. By tego dokonać kliknij (4).";

constexpr std::u16string_view kEnglishHelp =
    u"The program builds alphabet, creates a diphones base for a given language. Please read in "
    u"from a file or write in by hand a possibly longest text in any language, and next clicking "
    u"on the buttons marked from (1) to (3) will cause the text analysis. Next, please give the "
    u"name of created base and click on the diskette icon to write in data. Next step is "
    u"assignment of sound equivalents to character patterns. To do it, click the (4).";

constexpr std::array<Row, 19> kCaptionTable{{
    {kChosenLanguageItem, u"\aPolski", u"\aEnglish"},
    {kOtherLanguageItem, u" English", u"Polski"},
    {u"TDifonik", u".::Difonik::.", u".::Difonik::."},
    {u"GroupBox1", u"Alfabet", u"Alphabet"},
    {u"GroupBox2", u"Tekst do analizy", u"Text for analysis"},
    {u"GroupBox3", u"Powiazania", u"Powiazania"},
    {u"GroupBox4", u"Informacje", u"Informations"},
    {u"GroupBox5", u"Sample", u"Samples"},
    {u"button1", u"(1)Buduj alfabet", u"(1)Build alphabet"},
    {u"button2", u"(2)Analiza powiazan", u"(2)Connections analysis"},
    {u"Button3", u"(3)Sample", u"(3)Samples"},
    {u"Button4", u"(4)Samplowanie", u"(4)Sampling"},
    {u"Label1", u"Nowy:", u"New:"},
    {u"Label2", u"Nowy:", u"New:"},
    {u"label_alfabetu", u"Alfabet: ??", u"Alphabet: ??"},
    {u"label_powiazan", u"Powiazania: ??", u"Connections: ??"},
    {u"label_sampli", u"Sampli: ??", u"Samples: ??"},
    {u"StaticText1", u"Nazwa bazy:", u"Base name:"},
    {u"Memo1", kPolishHelp, kEnglishHelp},
}};

std::u16string_view controlFor(std::u16string_view control, bool english) {
    if (control == kChosenLanguageItem) return english ? u"English1" : u"Polski1";
    if (control == kOtherLanguageItem) return english ? u"Polski1" : u"English1";
    return control;
}

}  // namespace

std::vector<Caption> captionsForLanguage(std::string_view code) {
    const bool english = code == "En";
    if (!english && code != "Pl") return {};
    std::vector<Caption> captions;
    for (const Row& row : kCaptionTable) {
        captions.push_back({cp1250::fromUtf16(controlFor(row.control, english)),
                            cp1250::fromUtf16(english ? row.english : row.polish)});
    }
    return captions;
}

}  // namespace difonik
