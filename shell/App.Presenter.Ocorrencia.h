#pragma once

#include "App.Base.Presenter.Of.h"
#include "App.Service.Ocorrencia.h"
#include "Common.Dto.Ocorrencia.h"
#include "Common.Entity.Ocorrencia.h"
#include "Common.FilterClass.Ocorrencia.h"

#include <QString>

#include <cstdint>

// The audit occurrences: the occurrence list window drives it like any registration presenter,
// and the manual-occurrence prompt records a user's text about a record and reads back all the
// occurrences of a record as one text. Both operations block until the back end answers (up to
// 600000 ms), so windows call them on a worker thread.
class TOcorrenciaPresenter final : public TCadastroPresenterOf<TOcorrenciaEntity,
                                                               TOcorrenciaDto,
                                                               TOcorrenciaService,
                                                               TOcorrenciaFilterClass>
{
public:
    TOcorrenciaPresenter();

    // "WARNING:É necessário preencher o campo ocorrência manual para prosseguir." for a text that
    // is empty or made only of blanks and line breaks: such a reason says nothing. The prompt
    // checks its text with it before the caller's action or the post.
    static void validarOcorrenciaManual(const QString &AOcorrenciaManual);

    // Posts a manual occurrence ("POST", status 200) about the record; the text goes as it is.
    // A refusal raises the reply text.
    void gravarOcorrenciaManual(std::int64_t AIdObjeto,
                                const QString &AOcorrenciaManual,
                                const QString &ANomeClasse);
    // The first 100 occurrences of the record, one after another in the back end's order,
    // separated by a line of 52 "-". Any failure, and no list (304), raise
    // "WARNING:Informações não localizadas.".
    QString pesquisarOcorrencias(std::int64_t AIdObjeto, const QString &ANomeClasse);
};
