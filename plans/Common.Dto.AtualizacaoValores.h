#pragma once

#include "Common.Base.Dto.h"

// One row of a bulk price update: a plan or a service with its current value and validity and
// the percentage or new value that takes over from the new validity. A row with Id 0 stands for
// every record the list does not name.
class TAtualizacaoValoresDto : public TBaseDto
{
    ZUNTA_CLASS(TAtualizacaoValoresDto)

    double Percentual = 0;
    double NovoValor = 0;
    TDateTime NovaVigencia;
    QString Descricao;
    TDateTime VigenciaAtual;
    double ValorAtual = 0;
};
BOOST_DESCRIBE_STRUCT(TAtualizacaoValoresDto,
                      (TBaseDto),
                      (Percentual, NovoValor, NovaVigencia, Descricao, VigenciaAtual, ValorAtual))
