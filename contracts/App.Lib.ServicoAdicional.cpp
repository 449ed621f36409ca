#include "App.Lib.ServicoAdicional.h"

#include "App.Base.Presenter.h"
#include "App.Lib.ItemControl.h"
#include "App.Lib.Plano.Calculo.h"

#include "Edit.h"
#include "FormatSettings.h"
#include "MemTable.h"

namespace ServicoAdicional {

void fillValorFromServico(const TBasePresenter &APresenter, TMemTable &ADataSet)
{
    const TItemControl *item = APresenter.FindItemControl(QStringLiteral("EditServico"));
    if (!item)
        return;
    if (const auto *edit = qobject_cast<const TEdit *>(item->Control()))
        ADataSet.FieldByName(QStringLiteral("SERVICO"))->SetAsString(edit->text());
    ADataSet.FieldByName(QStringLiteral("VALOR"))
        ->SetAsFloat(PlanoCalculo::OtherInfoNumber(item->OtherInfo, 1));
}

QString ValorServicoText(double AValor, double AIndice)
{
    return FormatFloat(QStringLiteral(",0.00"), PlanoCalculo::RoundCentsHalfEven(AValor * AIndice));
}

} // namespace ServicoAdicional
