#include "ui/tools/Oprogramu1.h"

#include "forms/oprogramu_form.h"
#include "forms/pictures.h"

Toprogramu* oprogramu = nullptr;

Toprogramu::Toprogramu() : TForm(OprogramuForm()) {
    Image2 = Find<TImage>("Image2");
    Memo1 = Find<TMemo>("Memo1");
    Memo2 = Find<TMemo>("Memo2");
    // A logo that does not decode leaves the image empty; the box still shows.
    LoadJpeg(AboutPicture(), *Image2->Picture());
    FinishCreate();
}
