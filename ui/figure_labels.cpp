#include "ui/figure_labels.h"

#include <vector>

#include "platform/figure_room.h"
#include "platform/sysutils.h"

void ShowFigures(std::initializer_list<LabelFigure> figures, const std::string& message) {
    std::vector<double> values;
    for (const LabelFigure& f : figures) values.push_back(f.figure);
    RefuseUnshowable(values, FigureFormat::General, message);
    std::vector<ShownText> texts;
    for (const LabelFigure& f : figures) texts.push_back({f.label, FloatToStr(f.figure)});
    RefuseUnfitting(texts, message);
    for (const ShownText& shown : texts) shown.label->SetText(shown.text);
}
