#include "App.Adapter.Frame.Ocorrencia.h"

#include "Label.h"
#include "SpeedButton.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct DescricaoCase
{
    const char *name;
    bool alterado;
    bool removido;
    bool manual;
    bool novo;
    const char *expected;
};

void PrintTo(const DescricaoCase &row, std::ostream *os)
{
    *os << row.name;
}

class OcorrenciaFrameDescricaoTest : public ::testing::TestWithParam<DescricaoCase>
{
};

TEST_P(OcorrenciaFrameDescricaoTest, LastFlagThatHoldsSaysWhatHappened)
{
    const DescricaoCase &row = GetParam();
    EXPECT_EQ(
        TOcorrenciaFrameAdapter::DescricaoOcorrencia(
            row.alterado, row.removido, row.manual, row.novo, QStringLiteral("Texto próprio")),
        QString::fromUtf8(row.expected));
}

const DescricaoCase descricaoCases[] = {
    { "NoFlagShowsItsOwnText", false, false, false, false, "Texto próprio" },
    { "ChangedOnly", true, false, false, false, "Registro alterado" },
    { "Removed", true, true, false, false, "Registro removido" },
    { "RemovedAndManual", false, true, true, false, "Ocorrência Manual" },
    { "NewWinsOverEveryOther", true, true, true, true, "Novo registro" },
};

INSTANTIATE_TEST_SUITE_P(Flags,
                         OcorrenciaFrameDescricaoTest,
                         ::testing::ValuesIn(descricaoCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(OcorrenciaFrameAdapterTest, OnlyButtonHandsTheRowToShowItsText)
{
    TOcorrenciaFrameAdapter frame;
    EXPECT_FALSE(frame.SpeedButtonEdit->Visible());
    EXPECT_FALSE(frame.SpeedButtonRemove->Visible());
    EXPECT_FALSE(frame.SpeedButtonView->Visible());
    EXPECT_TRUE(frame.SpeedButtonVisualizarAlteracoes->Visible());

    // Without a procedure the button does nothing.
    frame.SpeedButtonVisualizarAlteracoes->click();

    QString shown;
    frame.SetOcorrencia(QStringLiteral("linha 1\r\nlinha 2"));
    frame.SetProcVisualizarAlteracoes([&](TFrameBaseAdapter *AFrame) {
        shown = static_cast<TOcorrenciaFrameAdapter *>(AFrame)->Ocorrencia();
    });
    frame.SpeedButtonVisualizarAlteracoes->click();
    EXPECT_EQ(shown, QStringLiteral("linha 1\r\nlinha 2"));
}

} // namespace
