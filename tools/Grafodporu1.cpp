#include "tools/Grafodporu1.h"

#include "forms/grafodporu_form.h"

Tgrafodporu* grafodporu = nullptr;

Tgrafodporu::Tgrafodporu() : TForm(GrafodporuForm()) {
    FinishCreate();
}
