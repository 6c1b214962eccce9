// The windows of the program, created once each at start in this order and
// kept until the end. The start window comes first and so becomes the main
// window; the calculator window comes before the tool windows that read its
// fields when they are made.
#pragma once

#include "ui/Vstup1.h"
#include "ui/Zakladni1.h"
#include "ui/tools/Energie1.h"
#include "ui/tools/Grafodporu1.h"
#include "ui/tools/Koeficienty1.h"
#include "ui/tools/Mildot1.h"
#include "ui/tools/Nastaveniuloz1.h"
#include "ui/tools/Nmv1.h"
#include "ui/tools/Oprogramu1.h"
#include "ui/tools/Prevody1.h"
#include "ui/tools/Tabulka1.h"
#include "ui/tools/Teplotaprachu1.h"

// `Application` is TApplication in the program; tests pass a stand-in with
// the same CreateForm.
template <class Application>
void CreateWindows(Application& application) {
    application.CreateForm(zakladni);
    application.CreateForm(vstup);
    application.CreateForm(oprogramu);
    application.CreateForm(tabulka);
    application.CreateForm(prevody);
    application.CreateForm(nmv);
    application.CreateForm(koeficienty);
    application.CreateForm(grafodporu);
    application.CreateForm(mildot);
    application.CreateForm(nastaveniuloz);
    application.CreateForm(teplotaprachu);
    application.CreateForm(energie);
}
