// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/payerprofiles.h"

#include "platform/registry.h"
#include "transfer/accountcheck.h"

namespace app {

namespace {

const QString ProfilesKey = QStringLiteral("Zleceniodawcy");

} // namespace

std::vector<PayerProfile> storedPayerProfiles()
{
    const platform::Registry registry;
    std::vector<PayerProfile> profiles;
    for (int n = 1; registry.keyExists(ProfilesKey + QStringLiteral("/%1").arg(n)); ++n) {
        const QString key = ProfilesKey + QStringLiteral("/%1").arg(n);
        profiles.push_back({ registry.readString(key, QStringLiteral("Nazwa")),
            registry.readString(key, QStringLiteral("Rachunek")) });
    }
    return profiles;
}

bool storePayerProfiles(const std::vector<PayerProfile>& profiles)
{
    platform::Registry registry;
    if (registry.status() == platform::Registry::Status::Unreadable || !registry.deleteKey(ProfilesKey))
        return false;
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        const QString key = ProfilesKey + QStringLiteral("/%1").arg(i + 1);
        if (!registry.writeString(key, QStringLiteral("Nazwa"), profiles[i].name)
            || !registry.writeString(key, QStringLiteral("Rachunek"), profiles[i].account))
            return false;
    }
    return registry.flush();
}

bool addPayerProfile(const PayerProfile& profile)
{
    std::vector<PayerProfile> profiles = storedPayerProfiles();
    const QString digits = transfer::accountDigits(profile.account);
    const auto same = std::find_if(profiles.begin(), profiles.end(),
        [&](const PayerProfile& p) { return transfer::accountDigits(p.account) == digits; });
    if (same != profiles.end())
        *same = profile;
    else
        profiles.push_back(profile);
    return storePayerProfiles(profiles);
}

bool removePayerProfile(const QString& account)
{
    std::vector<PayerProfile> profiles = storedPayerProfiles();
    const QString digits = transfer::accountDigits(account);
    std::erase_if(
        profiles, [&](const PayerProfile& p) { return transfer::accountDigits(p.account) == digits; });
    return storePayerProfiles(profiles);
}

PayerChoice::PayerChoice(QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(QStringLiteral("cbZleceniodawca"));
    setFocusPolicy(Qt::ClickFocus); // the editors keep their tab cycle
    setToolTip(tr("Zleceniodawca: ostatnio używany rachunek lub zapisany profil"));
    setPlaceholderText(tr("Zleceniodawca…"));
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(18);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (!m_showing && index >= 0 && std::size_t(index) < m_profiles.size())
            emit chosen(m_profiles[std::size_t(index)]);
    });
}

void PayerChoice::reload(const QString& rememberedAccount)
{
    m_showing = true;
    clear();
    m_profiles.clear();
    if (!rememberedAccount.trimmed().isEmpty())
        m_profiles.push_back({ QString(), rememberedAccount });
    for (const PayerProfile& p : storedPayerProfiles()) {
        if (transfer::accountDigits(p.account) == transfer::accountDigits(rememberedAccount)
            && !m_profiles.empty())
            m_profiles.front().name = p.name; // the remembered account is a profile as well
        else
            m_profiles.push_back(p);
    }
    for (const PayerProfile& p : m_profiles) {
        addItem(p.name.isEmpty() ? p.account : QStringLiteral("%1 – %2").arg(p.name, p.account));
        setItemData(count() - 1, p.account, Qt::ToolTipRole);
    }
    m_showing = false;
    showAccount(rememberedAccount);
}

void PayerChoice::showAccount(const QString& account)
{
    const QString digits = transfer::accountDigits(account);
    int index = -1;
    for (std::size_t i = 0; i < m_profiles.size() && !digits.isEmpty(); ++i) {
        if (transfer::accountDigits(m_profiles[i].account) == digits) {
            index = int(i);
            break;
        }
    }
    m_showing = true;
    setCurrentIndex(index);
    m_showing = false;
}

} // namespace app
