#pragma once

#include <QString>

#include <string_view>

namespace somnar {

// The control words the RTF reader acts on.
enum class RtfWord {
    Unknown,
    Ansi, Mac, Pc, Pca, AnsiCpg, Deff, Uc, U, Bin,
    FontTable, ColorTable, Skip, Read, ListText, Pict,
    PngBlip, JpegBlip, PicWGoal, PicHGoal, PicScaleX, PicScaleY,
    Font, Charset, CodePage, Red, Green, Blue,
    Bold, Italic, Underline, UnderlineNone, Strike, Hidden, Color, Background, FontSize, Plain,
    Pard, Par, Line, Tab, AlignLeft, AlignRight, AlignCenter, AlignJustify,
    LeftIndent, RightIndent, FirstIndent, SpaceBefore, SpaceAfter, ListId,
    Special,
};

RtfWord LookUpRtfWord(std::string_view name);

// The character a RtfWord::Special word stands for (empty for the marks that show nothing).
QString SpecialCharacter(std::string_view name);

}
