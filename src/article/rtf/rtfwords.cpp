#include "article/rtf/rtfwords.h"

#include <unordered_map>

namespace somnar {

namespace {

using WordTable = std::unordered_map<std::string_view, RtfWord>;

WordTable makeTable()
{
    WordTable t = {
        {"ansi", RtfWord::Ansi}, {"mac", RtfWord::Mac}, {"pc", RtfWord::Pc}, {"pca", RtfWord::Pca},
        {"ansicpg", RtfWord::AnsiCpg}, {"deff", RtfWord::Deff}, {"uc", RtfWord::Uc}, {"u", RtfWord::U},
        {"bin", RtfWord::Bin},
        {"fonttbl", RtfWord::FontTable}, {"colortbl", RtfWord::ColorTable},
        {"listtext", RtfWord::ListText}, {"pntext", RtfWord::ListText}, {"pict", RtfWord::Pict},
        {"pngblip", RtfWord::PngBlip}, {"jpegblip", RtfWord::JpegBlip},
        {"picwgoal", RtfWord::PicWGoal}, {"pichgoal", RtfWord::PicHGoal},
        {"picscalex", RtfWord::PicScaleX}, {"picscaley", RtfWord::PicScaleY},
        {"f", RtfWord::Font}, {"fcharset", RtfWord::Charset}, {"cpg", RtfWord::CodePage},
        {"red", RtfWord::Red}, {"green", RtfWord::Green}, {"blue", RtfWord::Blue},
        {"b", RtfWord::Bold}, {"i", RtfWord::Italic}, {"ul", RtfWord::Underline},
        {"ulnone", RtfWord::UnderlineNone}, {"strike", RtfWord::Strike}, {"striked", RtfWord::Strike},
        {"v", RtfWord::Hidden}, {"cf", RtfWord::Color}, {"cb", RtfWord::Background},
        {"highlight", RtfWord::Background}, {"chcbpat", RtfWord::Background}, {"fs", RtfWord::FontSize},
        {"plain", RtfWord::Plain}, {"pard", RtfWord::Pard},
        {"par", RtfWord::Par}, {"sect", RtfWord::Par}, {"page", RtfWord::Par}, {"row", RtfWord::Par},
        {"line", RtfWord::Line}, {"tab", RtfWord::Tab}, {"cell", RtfWord::Tab}, {"nestcell", RtfWord::Tab},
        {"ql", RtfWord::AlignLeft}, {"qr", RtfWord::AlignRight}, {"qc", RtfWord::AlignCenter},
        {"qj", RtfWord::AlignJustify},
        {"li", RtfWord::LeftIndent}, {"ri", RtfWord::RightIndent}, {"fi", RtfWord::FirstIndent},
        {"sb", RtfWord::SpaceBefore}, {"sa", RtfWord::SpaceAfter}, {"ls", RtfWord::ListId},
        // Destinations read as ordinary text: the picture of a shape, a field's shown result.
        {"shppict", RtfWord::Read}, {"fldrslt", RtfWord::Read}, {"field", RtfWord::Read},
        {"rtf", RtfWord::Read},
    };
    for (std::string_view skipped :
         {"stylesheet", "info", "object", "objdata", "themedata", "datastore", "listtable",
          "listoverridetable", "fldinst", "header", "headerl", "headerr", "headerf", "footer", "footerl",
          "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "bkmkstart", "bkmkend",
          "xmlnstbl", "rsidtbl", "revtbl", "latentstyles", "nonshppict", "pgdsctbl", "colorschememapping",
          "fchars", "lchars", "template", "docvar", "filetbl", "generator", "userprops", "txe", "pn",
          "pnseclvl", "shpinst", "sp", "sn", "sv", "mmathPr", "xe", "tc", "fldtype", "listpicture",
          "panose", "falt", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "wgrffmtfilter"})
        t.emplace(skipped, RtfWord::Skip);
    for (std::string_view special :
         {"ldblquote", "rdblquote", "lquote", "rquote", "endash", "emdash", "bullet", "enspace", "emspace",
          "qmspace", "zwj", "zwnj", "ltrmark", "rtlmark"})
        t.emplace(special, RtfWord::Special);
    return t;
}

}

RtfWord LookUpRtfWord(std::string_view name)
{
    static const WordTable table = makeTable();
    const auto found = table.find(name);
    return found == table.end() ? RtfWord::Unknown : found->second;
}

QString SpecialCharacter(std::string_view name)
{
    static const std::unordered_map<std::string_view, char16_t> characters = {
        {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
        {"endash", u'\u2013'}, {"emdash", u'\u2014'}, {"bullet", u'\u2022'}, {"enspace", u'\u2002'},
        {"emspace", u'\u2003'}, {"qmspace", u'\u2005'}, {"zwj", u'\u200D'}, {"zwnj", u'\u200C'},
    };
    const auto found = characters.find(name);
    return found == characters.end() ? QString() : QString(QChar(found->second));
}

}
