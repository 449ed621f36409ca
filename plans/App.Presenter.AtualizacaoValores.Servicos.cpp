#include "App.Presenter.AtualizacaoValores.Servicos.h"

#include "Common.Dto.AtualizacaoValores.Servicos.h"

ZUNTA_REGISTER_PRESENTER(TServicosAtualizacaoValoresPresenter)

TServicosAtualizacaoValoresPresenter::TServicosAtualizacaoValoresPresenter()
    : TAtualizacaoValoresPresenter(QStringLiteral("TServicosAtualizacaoValoresPresenter"),
                                   QStringLiteral("servicos"))
{ }

void TServicosAtualizacaoValoresPresenter::fillListDto()
{
    TObjectList<TServicosAtualizacaoValoresDto> rows;
    AppendDataSetRows(&DataSetInfo(), rows);
    for (auto &row : rows)
        FListDto.push_back(std::move(row));
}

const TClassInfo &TServicosAtualizacaoValoresPresenter::RowClass() const
{
    return TServicosAtualizacaoValoresDto::StaticClassInfo();
}
