#include "App.Presenter.FormularioPerfilPermissao.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TFormularioPerfilPermissaoPresenter)

const std::array<QString, TFormularioPerfilPermissaoPresenter::FlagCount> &
TFormularioPerfilPermissaoPresenter::FlagColumns()
{
    static const std::array<QString, FlagCount> columns {
        QStringLiteral("INSERIR"),          QStringLiteral("EDITAR"),
        QStringLiteral("REMOVER"),          QStringLiteral("MOVIMENTAR"),
        QStringLiteral("VISUALIZAR"),       QStringLiteral("PERMISSAO_EXTRA1"),
        QStringLiteral("PERMISSAO_EXTRA2"), QStringLiteral("PERMISSAO_EXTRA3")
    };
    return columns;
}

TFormularioPerfilPermissaoPresenter::TFormularioPerfilPermissaoPresenter()
    : TCadastroPresenterOf(QStringLiteral("TFormularioPerfilPermissaoPresenter"),
                           { { "ID_FORMULARIO" },
                             { "FORMULARIO", 150 },
                             { "ID_MENU_SUPERIOR" },
                             { "MENU_SUPERIOR", 50 },
                             { "INSERIR" },
                             { "EDITAR" },
                             { "REMOVER" },
                             { "MOVIMENTAR" },
                             { "VISUALIZAR" },
                             { "PERMISSAO_EXTRA1" },
                             { "PERMISSAO_EXTRA2" },
                             { "PERMISSAO_EXTRA3" } })
{ }

QString TFormularioPerfilPermissaoPresenter::FilterText(std::int64_t AIdMenuSuperior,
                                                        const QString &AFormulario)
{
    QString filter;
    if (AIdMenuSuperior > 0)
        filter = QStringLiteral("ID_MENU_SUPERIOR = ") + QString::number(AIdMenuSuperior);
    if (!AFormulario.isEmpty()) {
        if (!filter.isEmpty())
            filter += QStringLiteral(" and ");
        filter += QStringLiteral(" FORMULARIO like ")
            + QuotedFilterText(QLatin1Char('%') + AFormulario + QLatin1Char('%'));
    }
    return filter;
}

void TFormularioPerfilPermissaoPresenter::loadRows()
{
    runOnMainThread([this] {
        TMemTable &table = DataSetInfo();
        table.SetFiltered(false);
        table.EmptyDataSet();
    });
    const auto rows = service().findAllFormulario(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFormularioPerfilPermissaoPresenter::SetFilterDefault()
{
    TMemTable &table = DataSetInfo();
    table.SetFiltered(false);
    table.SetFilter(m_filtersDataSet);
    table.SetFiltered(!m_filtersDataSet.isEmpty());
}

bool TFormularioPerfilPermissaoPresenter::locate(std::int64_t AIdFormulario)
{
    TMemTable &table = DataSetInfo();
    return table.Active()
        && table.Locate(QStringLiteral("ID_FORMULARIO"), TFieldValue(AIdFormulario));
}

void TFormularioPerfilPermissaoPresenter::writeFlags(const TFlags &AFlags)
{
    TMemTable &table = DataSetInfo();
    table.Edit();
    for (std::size_t index = 0; index < FlagCount; ++index)
        table.FieldByName(FlagColumns()[index])->SetAsBoolean(AFlags[index]);
    table.Post();
}

TFormularioPerfilPermissaoPresenter::TFlags
TFormularioPerfilPermissaoPresenter::Flags(std::int64_t AIdFormulario)
{
    TFlags flags {};
    if (!locate(AIdFormulario))
        return flags;
    for (std::size_t index = 0; index < FlagCount; ++index)
        flags[index] = DataSetInfo().FieldByName(FlagColumns()[index])->AsBoolean();
    return flags;
}

void TFormularioPerfilPermissaoPresenter::SetFlags(std::int64_t AIdFormulario, const TFlags &AFlags)
{
    if (locate(AIdFormulario))
        writeFlags(AFlags);
}

void TFormularioPerfilPermissaoPresenter::ToggleFlags(std::int64_t AIdFormulario)
{
    if (!locate(AIdFormulario))
        return;
    TFlags flags;
    flags.fill(!DataSetInfo().FieldByName(QStringLiteral("INSERIR"))->AsBoolean());
    writeFlags(flags);
}

std::int64_t TFormularioPerfilPermissaoPresenter::ClearRow(std::int64_t AIdFormulario)
{
    if (!locate(AIdFormulario))
        return 0;
    TMemTable &table = DataSetInfo();
    TField *id = table.FieldByName(QStringLiteral("ID"));
    const std::int64_t stored = id->AsLargeInt();
    table.Edit();
    id->SetAsLargeInt(0);
    table.Post();
    writeFlags(TFlags {});
    return stored > 0 ? stored : 0;
}

void TFormularioPerfilPermissaoPresenter::MarcarTodas()
{
    TMemTable &table = DataSetInfo();
    if (!table.Active() || table.IsEmpty())
        return;
    TFlags all;
    all.fill(true);
    table.First();
    while (!table.Eof()) {
        writeFlags(all);
        table.Next();
    }
}
