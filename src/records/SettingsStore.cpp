#include "records/SettingsStore.h"

#include <algorithm>
#include <unordered_map>

namespace {

// The saves of one run usually share their section's text, so the data pointers are compared first.
bool sameText(const QString& a, const QString& b)
{
    return a.constData() == b.constData() || a == b;
}

} // namespace

bool SettingsStore::Save(const QString& section, const QString& key, const QString& value)
{
    SettingsChange change;
    change.Save(section, key, value);
    return Commit(change);
}

bool SettingsStore::DeleteSection(const QString& section)
{
    SettingsChange change;
    change.DeleteSection(section);
    return Commit(change);
}

QString SettingsSections::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    for (const auto& [name, pairs] : m_sections) {
        if (name != section)
            continue;
        for (const SettingsPair& pair : pairs) {
            if (pair.first == key)
                return pair.second;
        }
    }
    return defaultValue;
}

SettingsPairs SettingsSections::pairs(const QString& section) const
{
    for (const auto& [name, pairs] : m_sections) {
        if (name == section)
            return pairs;
    }
    return {};
}

void SettingsSections::apply(const SettingsChange& change)
{
    // A list section is rewritten as one long run of saves into it, so the section and an index of
    // its keys are looked up once per run rather than once per save.
    qsizetype current = -1;
    std::unordered_map<QString, qsizetype> keyIndex; // several times faster here than a seeded QHash

    const QList<SettingsChange::Operation>& operations = change.operations();
    for (qsizetype n = 0; n < operations.size(); ++n) {
        const SettingsChange::Operation& op = operations[n];
        if (op.kind == SettingsChange::Operation::DeleteSection) {
            m_sections.removeIf([&](const auto& s) { return s.first == op.section; });
            current = -1;
            continue;
        }
        if (current < 0 || !sameText(m_sections[current].first, op.section)) {
            const auto found = std::find_if(m_sections.cbegin(), m_sections.cend(),
                                            [&](const auto& s) { return s.first == op.section; });
            current = found - m_sections.cbegin();
            if (found == m_sections.cend())
                m_sections.append({op.section, {}});
            keyIndex.clear();
            const SettingsPairs& pairs = m_sections[current].second;
            keyIndex.reserve(static_cast<size_t>(pairs.size() + operations.size() - n));
            for (qsizetype i = 0; i < pairs.size(); ++i)
                keyIndex.emplace(pairs[i].first, i); // of duplicate keys the first is the one read
        }
        SettingsPairs& pairs = m_sections[current].second;
        const auto [slot, isNew] = keyIndex.emplace(op.key, pairs.size());
        if (isNew)
            pairs.append({op.key, op.value});
        else
            pairs[slot->second].second = op.value;
    }
}
