#include "App.Base.Presenter.SubCadastro.h"

#include "App.Lib.ItemControl.h"
#include "App.Lib.ManagerControls.h"
#include "Common.Base.ClassInfo.Build.h"
#include "Edit.h"
#include "SysUtils.h"

#include <QWidget>

#include <gtest/gtest.h>

class TAgregadoItemEntity final : public TBaseEntity
{
    ZUNTA_CLASS(TAgregadoItemEntity)
    QString Nome;
};
BOOST_DESCRIBE_STRUCT(TAgregadoItemEntity, (TBaseEntity), (Nome))
ZUNTA_DEFINE_CLASS(TAgregadoItemEntity)

class TAgregadoItemService final : public TBaseService
{
public:
    TAgregadoItemService()
        : TBaseService(QStringLiteral("TAgregadoItemService"))
    { }
};

// The rows of one child kind of an aggregate; a member of a contract additionally removes its
// services and beneficiaries with it.
class TAgregadoItemPresenter : public TBaseSubCadastroPresenter
{
public:
    explicit TAgregadoItemPresenter(const QString &AClassName)
        : TBaseSubCadastroPresenter(AClassName)
    { }

protected:
    void CreateFieldsDataSet() override
    {
        TBaseSubCadastroPresenter::CreateFieldsDataSet();
        DataSetInfo().AddField(QStringLiteral("NOME"), TFieldType::String, 100);
    }
    std::unique_ptr<TBaseEntity> CreateEntity() override
    {
        return std::make_unique<TAgregadoItemEntity>();
    }
    std::unique_ptr<TBaseService> CreateService() override
    {
        return std::make_unique<TAgregadoItemService>();
    }
};

class TMembroAgregadoPresenter final : public TAgregadoItemPresenter
{
public:
    TMembroAgregadoPresenter()
        : TAgregadoItemPresenter(QStringLiteral("TMembroAgregadoPresenter"))
    { }

    TAgregadoItemPresenter *Servicos = nullptr;
    TAgregadoItemPresenter *Beneficiarios = nullptr;
    QStringList *ListRemoveServico = nullptr;
    QStringList *ListRemoveBeneficiario = nullptr;
    bool FailNextSave = false;

protected:
    void deleteChildRecords(std::int64_t AId) override
    {
        deleteRecordsRegistroFK(AId, Servicos->DataSetInfo(), ListRemoveServico);
        deleteRecordsRegistroFK(AId, Beneficiarios->DataSetInfo(), ListRemoveBeneficiario);
    }
    void afterUpdateInfoRegistroFK() override
    {
        if (FailNextSave)
            throw Exception(QStringLiteral("ERROR:Plano do membro não localizado."));
    }
};

namespace {

const QString removeFailure = QStringLiteral("WARNING:Não foi possível remover os itens.\r\n");

// A contract being edited: its presenter's remove lists, the member child list and, per member,
// the services and beneficiaries, wired as the contract's windows wire them.
class SubCadastroAggregateTest : public ::testing::Test
{
protected:
    QWidget window;
    TEdit *editMembro = new TEdit(&window, QStringLiteral("EditNome"));
    TEdit *editServico = new TEdit(&window, QStringLiteral("EditNome"));
    TEdit *editBeneficiario = new TEdit(&window, QStringLiteral("EditNome"));
    std::unique_ptr<TMembroAgregadoPresenter> membros
        = TBasePresenter::Create<TMembroAgregadoPresenter>();
    std::unique_ptr<TAgregadoItemPresenter> servicos
        = TBasePresenter::Create<TAgregadoItemPresenter>(
            QStringLiteral("TServicoAgregadoPresenter"));
    std::unique_ptr<TAgregadoItemPresenter> beneficiarios
        = TBasePresenter::Create<TAgregadoItemPresenter>(
            QStringLiteral("TBeneficiarioAgregadoPresenter"));
    // Owned by the contract's presenter.
    QStringList listRemoveMembro;
    QStringList listRemoveServico;
    QStringList listRemoveBeneficiario;

    void SetUp() override
    {
        bind(*membros, editMembro);
        bind(*servicos, editServico);
        bind(*beneficiarios, editBeneficiario);
        membros->SetListRemove(&listRemoveMembro);
        servicos->SetListRemove(&listRemoveServico);
        beneficiarios->SetListRemove(&listRemoveBeneficiario);
        membros->Servicos = servicos.get();
        membros->Beneficiarios = beneficiarios.get();
        membros->ListRemoveServico = &listRemoveServico;
        membros->ListRemoveBeneficiario = &listRemoveBeneficiario;
        // The member window links the rows typed in its nested windows to the stored member.
        membros->ProcUpdateAfterSave = [this] {
            servicos->updateInfoRegistroFK(membros->IdRegistro);
            beneficiarios->updateInfoRegistroFK(membros->IdRegistro);
        };
        for (TBasePresenter *presenter : std::initializer_list<TBasePresenter *> {
                 membros.get(), servicos.get(), beneficiarios.get() })
            presenter->Clear(true, false);
    }
    static void bind(TBasePresenter &APresenter, TEdit *AEdit)
    {
        APresenter.SetProcFillListControl([&APresenter, AEdit] {
            APresenter.ManagerControls().AddItemControl().SetControl(AEdit);
        });
    }
    // A new row typed into the child window and saved.
    static void save(TBasePresenter &APresenter, TEdit *AEdit, const QString &ANome)
    {
        APresenter.Clear(false, true);
        AEdit->setText(ANome);
        APresenter.Post();
    }
    // A row as the loaders bring it from the back end; its ID_REGISTRO.
    static std::int64_t loaded(TBasePresenter &APresenter,
                               std::int64_t AId,
                               std::int64_t AIdRegistroFK,
                               const QString &ANome)
    {
        TMemTable &table = APresenter.DataSetInfo();
        table.Append();
        table.FieldByName(QStringLiteral("ID"))->SetAsLargeInt(AId);
        if (AIdRegistroFK != 0)
            table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->SetAsLargeInt(AIdRegistroFK);
        table.FieldByName(QStringLiteral("NOME"))->SetAsString(ANome);
        table.Post();
        return table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    }
    // Every row as "NOME ID_REGISTRO>ID_REGISTRO_FK", whatever the table's filter.
    static QStringList rows(TBasePresenter &APresenter)
    {
        TMemTable &table = APresenter.DataSetInfo();
        const bool filtered = table.Filtered();
        table.SetFiltered(false);
        QStringList result;
        for (table.First(); !table.Eof(); table.Next())
            result << QStringLiteral("%1 %2>%3")
                          .arg(table.FieldByName(QStringLiteral("NOME"))->AsString())
                          .arg(table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt())
                          .arg(table.FieldByName(QStringLiteral("ID_REGISTRO_FK"))->AsLargeInt());
        table.SetFiltered(filtered);
        return result;
    }
    static void filter(TBasePresenter &APresenter, const QString &AFilter)
    {
        APresenter.DataSetInfo().SetFilter(AFilter);
        APresenter.DataSetInfo().SetFiltered(true);
    }
};

} // namespace

TEST_F(SubCadastroAggregateTest, GrandchildRowsFollowTheNewChildRowTheyWereTypedFor)
{
    save(*servicos, editServico, QStringLiteral("COROA"));
    save(*servicos, editServico, QStringLiteral("VELORIO"));
    save(*beneficiarios, editBeneficiario, QStringLiteral("CARLA"));
    EXPECT_EQ(rows(*servicos), (QStringList { "COROA -1>0", "VELORIO -2>0" }));

    save(*membros, editMembro, QStringLiteral("ANA"));
    EXPECT_EQ(membros->IdRegistro, -1);
    EXPECT_EQ(rows(*servicos), (QStringList { "COROA -1>-1", "VELORIO -2>-1" }));
    EXPECT_EQ(rows(*beneficiarios), (QStringList { "CARLA -1>-1" }));
    EXPECT_EQ(servicos->DataSetInfo().Filter(), QStringLiteral("ID_REGISTRO_FK = -1"));
    EXPECT_EQ(servicos->DataSetInfo().RecordCount(), 2);

    // A service typed for a member that is then abandoned goes when the list is shown again.
    save(*servicos, editServico, QStringLiteral("TRASLADO"));
    servicos->removeRecnoNotRgistroFK();
    save(*servicos, editServico, QStringLiteral("FLORES"));
    save(*membros, editMembro, QStringLiteral("BRUNO"));
    EXPECT_EQ(membros->IdRegistro, -2);
    EXPECT_EQ(rows(*servicos), (QStringList { "COROA -1>-1", "VELORIO -2>-1", "FLORES -4>-2" }));
    EXPECT_TRUE(listRemoveServico.isEmpty());

    // Saving the first member again edits its row in place; its services stay its own.
    membros->Edit(-1);
    editMembro->setText(QStringLiteral("ANA MARIA"));
    membros->Post();
    EXPECT_EQ(rows(*membros), (QStringList { "ANA MARIA -1>0", "BRUNO -2>0" }));
    EXPECT_EQ(rows(*servicos), (QStringList { "COROA -1>-1", "VELORIO -2>-1", "FLORES -4>-2" }));
    EXPECT_EQ(servicos->DataSetInfo().RecordCount(), 2);
}

TEST_F(SubCadastroAggregateTest, RemovingAMemberCascadesIntoEachGrandchildsOwnRemoveList)
{
    const std::int64_t ana = loaded(*membros, 57, 0, QStringLiteral("ANA"));
    const std::int64_t bruno = loaded(*membros, 58, 0, QStringLiteral("BRUNO"));
    loaded(*servicos, 300, ana, QStringLiteral("COROA"));
    loaded(*servicos, 301, bruno, QStringLiteral("TRASLADO"));
    loaded(*servicos, 0, ana, QStringLiteral("VELORIO"));
    loaded(*beneficiarios, 400, ana, QStringLiteral("CARLA"));
    loaded(*beneficiarios, 401, ana, QStringLiteral("DIEGO"));
    // The service list shows Bruno's services; the beneficiary list is not filtered.
    filter(*servicos, QStringLiteral("ID_REGISTRO_FK = %1").arg(bruno));
    filter(*membros, QStringLiteral("NOME like '%B%'"));
    bool filteredOnReload = false;
    membros->ProcReloadDados = [&] { filteredOnReload = membros->DataSetInfo().Filtered(); };

    EXPECT_TRUE(membros->Delete(ana));

    EXPECT_EQ(listRemoveMembro, (QStringList { "57" }));
    EXPECT_EQ(listRemoveServico, (QStringList { "300" }));
    EXPECT_EQ(listRemoveBeneficiario, (QStringList { "400", "401" }));
    EXPECT_EQ(rows(*membros), (QStringList { QStringLiteral("BRUNO %1>0").arg(bruno) }));
    EXPECT_EQ(rows(*servicos), (QStringList { QStringLiteral("TRASLADO -2>%1").arg(bruno) }));
    EXPECT_TRUE(rows(*beneficiarios).isEmpty());
    EXPECT_EQ(servicos->DataSetInfo().Filter(), QStringLiteral("ID_REGISTRO_FK = %1").arg(bruno));
    EXPECT_TRUE(servicos->DataSetInfo().Filtered());
    EXPECT_FALSE(beneficiarios->DataSetInfo().Filtered());
    EXPECT_TRUE(filteredOnReload);
    EXPECT_EQ(membros->DataSetInfo().Filter(), QStringLiteral("NOME like '%B%'"));

    // A member added since the contract was opened leaves nothing behind.
    save(*membros, editMembro, QStringLiteral("BEATRIZ"));
    EXPECT_TRUE(membros->Delete(membros->IdRegistro));
    EXPECT_EQ(listRemoveMembro, (QStringList { "57" }));
}

TEST_F(SubCadastroAggregateTest, WithoutARemoveListASavedRowIsRefusedBeforeAnythingGoes)
{
    const std::int64_t ana = loaded(*membros, 57, 0, QStringLiteral("ANA"));
    loaded(*servicos, 300, ana, QStringLiteral("COROA"));
    membros->SetListRemove(nullptr);
    try {
        membros->Delete(ana);
        FAIL() << "no failure";
    } catch (const Exception &failure) {
        EXPECT_EQ(failure.Message(),
                  removeFailure + QStringLiteral("Lista de remoção não informada."));
    }
    EXPECT_EQ(rows(*membros).size(), 1);
    EXPECT_EQ(rows(*servicos).size(), 1);
    EXPECT_TRUE(listRemoveServico.isEmpty());

    // A grandchild table without its list refuses the same way, and the member stays.
    membros->SetListRemove(&listRemoveMembro);
    membros->ListRemoveServico = nullptr;
    EXPECT_THROW(membros->Delete(ana), Exception);
    EXPECT_EQ(rows(*membros).size(), 1);
    EXPECT_EQ(rows(*servicos).size(), 1);
    EXPECT_TRUE(listRemoveMembro.isEmpty());

    // New rows need no list.
    membros->SetListRemove(nullptr);
    save(*membros, editMembro, QStringLiteral("BRUNO"));
    EXPECT_TRUE(membros->Delete(membros->IdRegistro));
}

TEST_F(SubCadastroAggregateTest, AFailedSaveLeavesNoHalfWrittenRowAndKeepsTheFilter)
{
    int saves = 0;
    membros->ProcUpdateAfterSave = [&] { ++saves; };
    save(*membros, editMembro, QStringLiteral("ANA"));
    filter(*membros, QStringLiteral("NOME like 'A%'"));
    membros->FailNextSave = true;

    EXPECT_THROW(save(*membros, editMembro, QStringLiteral("BRUNO")), Exception);
    membros->Edit(-1);
    editMembro->setText(QStringLiteral("ANA MARIA"));
    EXPECT_THROW(membros->Post(), Exception);

    EXPECT_EQ(rows(*membros), (QStringList { "ANA -1>0" }));
    EXPECT_TRUE(membros->DataSetInfo().Filtered());
    EXPECT_EQ(saves, 1);
}
