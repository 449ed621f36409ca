#include "App.Presenter.Conta.h"

#include "Common.Lib.Utils.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TContaPresenter)

TContaPresenter::TContaPresenter()
    : TCadastroPresenterOf(QStringLiteral("TContaPresenter"),
                           { { "NUMERO", 0, "000" },
                             { "DIGITO", 2 },
                             { "OPERACAO", 3 },
                             { "DESCRICAO", 100 },
                             { "TIPO_CONTA", 100 },
                             { "CODIGO_TIPO_CONTA", 10 },
                             { "PESSOA", 100 },
                             { "SALDO", 0, ",0.00" } })
{ }

void TContaPresenter::CreateExtraFields()
{
    // The list row carries neither the branch nor the payment-API link: these stay empty.
    DataSetInfo().AddField(QStringLiteral("AGENCIA"), TFieldType::String, 100);
    DataSetInfo().AddField(QStringLiteral("ID_INTEGRACAO_API_FINANCEIRA"), TFieldType::LargeInt, 0);
    DataSetInfo().AddField(QStringLiteral("CODIGO_CONTA_API_FINANCEIRA"), TFieldType::String, 100);
}

std::unique_ptr<TBaseEntity> TContaPresenter::CreateEntity()
{
    auto conta = std::make_unique<TContaEntity>();
    if (m_loaded)
        TUtils::CopyInfoObject(m_loaded.get(), conta.get());
    return conta;
}

std::unique_ptr<TSerializeObject> TContaPresenter::getById(std::int64_t AId)
{
    m_loaded.reset();
    std::unique_ptr<TSerializeObject> found = TCadastroPresenterOf::getById(AId);
    if (auto *conta = dynamic_cast<TContaEntity *>(found.get())) {
        m_loaded = std::make_unique<TContaEntity>();
        TUtils::CopyInfoObject(conta, m_loaded.get());
    }
    return found;
}

void TContaPresenter::afterClear()
{
    m_loaded.reset();
}
