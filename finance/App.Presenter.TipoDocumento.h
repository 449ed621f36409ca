#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.TipoDocumento.h"
#include "Common.Dto.TipoDocumento.h"
#include "Common.Entity.TipoDocumento.h"

// The document types: their window and lookup list TTipoDocumentoDto rows through it.
class TTipoDocumentoPresenter final
    : public TCadastroPresenterOf<TTipoDocumentoEntity, TTipoDocumentoDto, TTipoDocumentoService>
{
public:
    TTipoDocumentoPresenter();
};
