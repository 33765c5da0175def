// SPDX-License-Identifier: GPL-2.0-or-later
// The payers the user prints for ("Zleceniodawca"): a bookkeeper pays for more than one firm. The first
// choice is always the payer account the main window remembers from its last run (kept where it always
// was); the named profiles after it live in the registry under "Zleceniodawcy", one subkey each with
// "Nazwa" and "Rachunek".
#pragma once

#include <QComboBox>
#include <QString>
#include <vector>

namespace app {

struct PayerProfile {
    QString name;
    QString account;
    bool operator==(const PayerProfile&) const = default;
};

std::vector<PayerProfile> storedPayerProfiles();
// Replaces the stored profiles; false when the registry file cannot be written.
bool storePayerProfiles(const std::vector<PayerProfile>& profiles);
// Adds the profile, or renames the one with the same account; false when the registry cannot be written.
bool addPayerProfile(const PayerProfile& profile);
bool removePayerProfile(const QString& account);

// The choice of payer: the remembered account first, then the stored profiles. Choosing one emits
// chosen(); the choice follows the account typed (none shown when no profile has it).
class PayerChoice : public QComboBox {
    Q_OBJECT
public:
    explicit PayerChoice(QWidget* parent = nullptr);
    // The remembered account (the first choice), and the stored profiles read again.
    void reload(const QString& rememberedAccount);
    // Shows the profile whose account this is, or none.
    void showAccount(const QString& account);

signals:
    void chosen(const app::PayerProfile& profile);

private:
    std::vector<PayerProfile> m_profiles; // as the items, in order
    bool m_showing = false;
};

} // namespace app
