#pragma once

#include "Common.Base.Dto.h"

#include <cstdint>

// One audit occurrence as the back end lists it: which record (class name and id), the request
// and its answer, who made it and when, and what happened to the record. A manual occurrence is
// a user's free text about the record.
class TOcorrenciaDto final : public TBaseDto
{
    ZUNTA_CLASS(TOcorrenciaDto)

    std::int64_t IdObjeto = 0;
    // The class the record's occurrences are kept under: its body class (for a contract, the
    // aggregate body class).
    QString NomeClasse;
    QString Operacao;
    std::int32_t StatusCode = 0;
    TDateTime DataCadastro;
    std::int64_t IdOwner = 0;
    QString Usuario;
    QString Ocorrencia;
    QString ContentResposta;
    QString BodyRequisicao;
    bool IsNovoRegistro = false;
    bool IsRegistroAlterado = false;
    bool IsRegistroRemovido = false;
    QString OcorrenciaManual;
    bool IsOcorrenciaManual = false;
    // The readable name of the class ("Local da Alteração").
    QString DescricaoClasse;
};
BOOST_DESCRIBE_STRUCT(TOcorrenciaDto,
                      (TBaseDto),
                      (IdObjeto,
                       NomeClasse,
                       Operacao,
                       StatusCode,
                       DataCadastro,
                       IdOwner,
                       Usuario,
                       Ocorrencia,
                       ContentResposta,
                       BodyRequisicao,
                       IsNovoRegistro,
                       IsRegistroAlterado,
                       IsRegistroRemovido,
                       OcorrenciaManual,
                       IsOcorrenciaManual,
                       DescricaoClasse))
