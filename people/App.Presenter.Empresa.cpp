#include "App.Presenter.Empresa.h"

#include "Common.Lib.PictureText.h"

ZUNTA_REGISTER_PRESENTER(TEmpresaPresenter)

TEmpresaPresenter::TEmpresaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TEmpresaPresenter"),
                           { { "EMPRESA", 100 },
                             { "LOGO", 0 },
                             { "LAYOUT_CARTAO_DESCONTO", 0 },
                             { "CPF_CNPJ", 50 },
                             { "COR_TELA_INICIAL", 50 },
                             { "COR_BARRA", 50 } })
{ }

std::unique_ptr<TSerializeObject> TEmpresaPresenter::getById(std::int64_t AId)
{
    std::unique_ptr<TEmpresaEntity> found = service().findById<TEmpresaEntity>(AId);
    if (found && !found->Logo.isEmpty())
        Logo = TPictureText::Decode(found->Logo);
    if (found && !found->LayoutCartaoDesconto.isEmpty())
        LayoutCartaoDesconto = TPictureText::Decode(found->LayoutCartaoDesconto);
    return found;
}

std::unique_ptr<TSerializeObject> TEmpresaPresenter::PostService()
{
    TEmpresaEntity &empresa = *entity();
    if (!Logo.isEmpty())
        empresa.Logo = TPictureText::Encode(Logo);
    if (!LayoutCartaoDesconto.isEmpty())
        empresa.LayoutCartaoDesconto = TPictureText::Encode(LayoutCartaoDesconto);
    return service().post(empresa);
}
