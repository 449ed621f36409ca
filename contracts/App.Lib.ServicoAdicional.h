#pragma once

#include <QString>

class TBasePresenter;
class TMemTable;

// What the contract's and the members' additional services share beyond their windows.
namespace ServicoAdicional {

// The row being saved takes SERVICO from the service lookup's text and VALOR from the price the
// lookup left in its other information ("<uses>;<price>"): the service's current catalogue
// price, not the amount typed in "Valor do Serviço". Nothing when no "EditServico" is bound.
void fillValorFromServico(const TBasePresenter &APresenter, TMemTable &ADataSet);

// The amount of a row: base price × index in cents (half to the even cent), as ",0.00".
QString ValorServicoText(double AValor, double AIndice);

} // namespace ServicoAdicional
