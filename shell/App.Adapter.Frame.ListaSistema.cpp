#include "App.Adapter.Frame.ListaSistema.h"

#include "Label.h"

#include <algorithm>

TListaSistemaFrameAdapter::TListaSistemaFrameAdapter(QWidget *AOwner, const QString &name)
    : TFrameBaseAdapterCadastro(AOwner, name)
{
    LabelDescricao = AddLabel(QStringLiteral("LabelDescricao"), QString(), 184, 8);
    LabelDescricao->setAutoSize(false);
    LabelDescricao->setSize(571, 24);
    LabelDescricao->setFontSize(15);
    LabelTitleCodigo
        = AddLabel(QStringLiteral("LabelTitleCodigo"), QStringLiteral("Código:"), 184, 42);
    LabelCodigo = AddLabel(QStringLiteral("LabelCodigo"), QString(), 211, 42);
    LabelTitleTipo
        = AddLabel(QStringLiteral("LabelTitleTipo"), QStringLiteral("Tipo Lista:"), 408, 42);
    LabelTipo = AddLabel(QStringLiteral("LabelTipo"), QString(), 468, 42);

    SetupLabels();
    // The theme's font may make a title wider than the gap left for it: its value then follows it.
    for (auto [title, value] :
         { std::pair { LabelTitleCodigo, LabelCodigo }, std::pair { LabelTitleTipo, LabelTipo } })
        value->setPositionX(std::max(value->x(), title->x() + title->width() + 4));
}
