#include "App.Adapter.Frame.ServicoDependente.h"

TServicoDependenteFrameAdapter::TServicoDependenteFrameAdapter(QWidget *AOwner,
                                                               const QString &name)
    : TFrameBaseAdapterServicoAdicional(AOwner, name, u"1º Vencimento:")
{ }
