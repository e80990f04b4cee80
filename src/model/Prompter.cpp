#include "model/Prompter.h"

namespace tlv {

QString ButtonsName(Buttons buttons)
{
    switch (buttons) {
    case Buttons::Ok: return QStringLiteral("OK");
    case Buttons::OkCancel: return QStringLiteral("OK Cancel");
    case Buttons::YesNo: return QStringLiteral("Yes No");
    case Buttons::YesNoCancel: return QStringLiteral("Yes No Cancel");
    }
    return {};
}

QString IconName(Icon icon)
{
    switch (icon) {
    case Icon::None: return QStringLiteral("none");
    case Icon::Information: return QStringLiteral("information");
    case Icon::Exclamation: return QStringLiteral("exclamation");
    case Icon::Critical: return QStringLiteral("critical");
    case Icon::Question: return QStringLiteral("question");
    }
    return {};
}

QString AnswerName(Answer answer)
{
    switch (answer) {
    case Answer::Ok: return QStringLiteral("OK");
    case Answer::Cancel: return QStringLiteral("Cancel");
    case Answer::Yes: return QStringLiteral("Yes");
    case Answer::No: return QStringLiteral("No");
    }
    return {};
}

}  // namespace tlv
