#include "App.Lib.ImageList.h"

#include "StyleIcons.h"

#include <memory>

namespace {

std::unique_ptr<TDataModuleImageList> instance;

constexpr TAlphaColor Dark = 0xFF313842;
constexpr TAlphaColor Black = TAlphaColors::Black;
constexpr TAlphaColor White = TAlphaColors::White;

struct TPicture
{
    const char *Name;
    char16_t Glyph;
    TAlphaColor Color;
};

void fill(TImageList &list, std::initializer_list<TPicture> pictures)
{
    for (const TPicture &picture : pictures)
        list.Add(QString::fromLatin1(picture.Name), GlyphIcon(picture.Glyph, picture.Color));
}

} // namespace

TDataModuleImageList::TDataModuleImageList()
    : ImageListCadastro(QSize(48, 48))
    , ImageListPrincipal(QSize(36, 36))
    , ImageListMessage(QSize(36, 36))
    , ImageListListaParc(QSize(48, 48))
{
    fill(ImageListCadastro,
         { { "Editar", TGlyph::Edit, Dark },
           { "Gravar", TGlyph::Done, Dark },
           { "Novo", TGlyph::Add, Dark },
           { "Cancelar", TGlyph::Cancel, Dark },
           { "Retirar", TGlyph::RemoveCircle, Dark } });
    fill(ImageListPrincipal,
         { { "ic_clear_white_36dp_1x", TGlyph::Clear, White },
           { "ic_remove_white_36dp_1x", TGlyph::Remove, White },
           { "ic_arrow_back_black_48dp_1x", TGlyph::ArrowBack, Black },
           { "Confirma", TGlyph::CheckCircle, Dark },
           { "Item 0", TGlyph::Label, Dark },
           { "ic_mode_edit_black_48dp_1x", TGlyph::ModeEdit, Black },
           { "baseline_delete_black_36dp", TGlyph::Delete, Black },
           { "ic_add_black_48dp_1x", TGlyph::Add, Black },
           { "Gravar", TGlyph::Save, Dark },
           { "package", TGlyph::Inventory, Dark },
           { "cancel", TGlyph::Cancel, Dark },
           { "Item 1", TGlyph::Label, Dark },
           { "sms", TGlyph::Sms, Dark },
           { "webhook", TGlyph::Webhook, Dark },
           { "icon-menu", TGlyph::Menu, Dark },
           { "menu-white", TGlyph::Menu, White },
           { "arrow-up", TGlyph::ArrowUpward, Dark },
           { "arrow-down", TGlyph::ArrowDownward, Dark },
           { "button-info", TGlyph::Info, Dark } });
    fill(ImageListMessage,
         { { "iconConfirmacao", TGlyph::Help, Dark },
           { "iconInformacao", TGlyph::Info, Dark },
           { "iconErro", TGlyph::Error, Dark } });
    fill(ImageListListaParc,
         { { "Desmarcado", TGlyph::CheckBoxOutlineBlank, Dark },
           { "Selecionado", TGlyph::CheckBox, Dark },
           { "Nao Selecionado", TGlyph::DisabledByDefault, Dark } });
}

TDataModuleImageList &TDataModuleImageList::Instance()
{
    if (!instance)
        instance = std::make_unique<TDataModuleImageList>();
    return *instance;
}

void TDataModuleImageList::ResetInstance()
{
    instance.reset();
}
