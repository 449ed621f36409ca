#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Empresa.h"
#include "Common.Dto.Empresa.h"
#include "Common.Entity.Empresa.h"

// The companies: the presenter of the company window and of the company lookup. Between the
// window and the service the two pictures travel as held picture texts (TPictureText: the PNG
// bytes one character per byte); the presenter turns them into their wire form and back.
class TEmpresaPresenter final
    : public TCadastroPresenterOf<TEmpresaEntity, TEmpresaDto, TEmpresaService>
{
public:
    TEmpresaPresenter();

    // The held pictures: filled by a record read (only for the pictures the record has) and by
    // the window before a save; a save sends a picture only when its text is not empty.
    QString Logo;
    QString LayoutCartaoDesconto;

protected:
    std::unique_ptr<TSerializeObject> getById(std::int64_t AId) override;
    std::unique_ptr<TSerializeObject> PostService() override;
};
