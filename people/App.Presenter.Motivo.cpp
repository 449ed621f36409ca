#include "App.Presenter.Motivo.h"

ZUNTA_REGISTER_PRESENTER(TMotivoPresenter)

TMotivoPresenter::TMotivoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TMotivoPresenter"),
                           { { "LISTA_TIPO_MOTIVO", 0, "0000000000" },
                             { "DESCRICAO", 150 },
                             { "CODIGO_TIPO_MOTIVO", 10 },
                             { "TIPO_MOTIVO", 100 } })
{ }
