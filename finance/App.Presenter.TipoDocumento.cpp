#include "App.Presenter.TipoDocumento.h"

ZUNTA_REGISTER_PRESENTER(TTipoDocumentoPresenter)

TTipoDocumentoPresenter::TTipoDocumentoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TTipoDocumentoPresenter"),
                           { { "DESCRICAO", 100 }, { "SIGLA", 10 } })
{ }
