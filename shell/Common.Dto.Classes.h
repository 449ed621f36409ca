#pragma once

#include "Common.Base.Dto.h"

// One class name known to the back end with its readable description: the kinds of record the
// audit occurrences are kept under.
class TClassesDto final : public TBaseDto
{
    ZUNTA_CLASS(TClassesDto)

    // The value an occurrence keeps as its NomeClasse.
    QString NomeClasse;
    // Shown as the occurrence's "Local da Alteração".
    QString DescricaoClasse;
};
BOOST_DESCRIBE_STRUCT(TClassesDto, (TBaseDto), (NomeClasse, DescricaoClasse))
