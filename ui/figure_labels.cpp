#include "ui/figure_labels.h"

#include <vector>

#include "engine/numeric.h"
#include "platform/figure_room.h"
#include "platform/sysutils.h"

void ShowFigures(std::initializer_list<LabelFigure> figures, const std::string& message) {
    std::vector<std::string> texts;
    for (const LabelFigure& f : figures) {
        if (!FigureShowable(f.figure, FigureFormat::General)) ShowErrorAndAbort(message);
        texts.push_back(FloatToStr(f.figure));
        if (!TextFits(*f.label, texts.back())) ShowErrorAndAbort(message);
    }
    auto text = texts.begin();
    for (const LabelFigure& f : figures) f.label->SetText(*text++);
}
