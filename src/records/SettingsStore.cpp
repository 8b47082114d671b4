#include "records/SettingsStore.h"

#include <QHash>

#include <algorithm>

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
    // Rewriting a list section means many saves into one section; a key index per touched
    // section, built once per change, keeps that linear.
    QHash<QString, QHash<QString, qsizetype>> keyIndex;
    auto findSection = [this](const QString& name) {
        return std::find_if(m_sections.begin(), m_sections.end(), [&](const auto& s) { return s.first == name; });
    };

    for (const SettingsChange::Operation& op : change.operations()) {
        if (op.kind == SettingsChange::Operation::DeleteSection) {
            m_sections.removeIf([&](const auto& s) { return s.first == op.section; });
            keyIndex.remove(op.section);
            continue;
        }
        auto sectionIt = findSection(op.section);
        if (sectionIt == m_sections.end()) {
            m_sections.append({op.section, {}});
            sectionIt = m_sections.end() - 1;
        }
        SettingsPairs& pairs = sectionIt->second;
        auto indexIt = keyIndex.find(op.section);
        if (indexIt == keyIndex.end()) {
            QHash<QString, qsizetype> index;
            index.reserve(pairs.size());
            for (qsizetype i = 0; i < pairs.size(); ++i) {
                if (!index.contains(pairs[i].first)) // the first of duplicate keys is the one read
                    index.insert(pairs[i].first, i);
            }
            indexIt = keyIndex.insert(op.section, index);
        }
        const auto found = indexIt->constFind(op.key);
        if (found == indexIt->constEnd()) {
            indexIt->insert(op.key, pairs.size());
            pairs.append({op.key, op.value});
        } else {
            pairs[*found].second = op.value;
        }
    }
}
