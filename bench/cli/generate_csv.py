#!/usr/bin/env python3
"""Writes a large code page 932 CSV file of customer-like records (CR LF line
ends) and the condition files for the command-line benchmark.

Each record: number, name, name reading (half-width katakana), address, phone,
account number, product, amount, date. The conditions are six-digit numbers:
a text that starts with a digit can only start on a character boundary in code
page 932 (a digit is never the second byte of a double-byte character), so
byte-wise tools such as grep and ripgrep find exactly the lines the program
finds. The output is the same for the same size and seed.
"""

import argparse
import random

FAMILY = ["山田", "佐藤", "鈴木", "高橋", "田中", "伊藤", "渡辺", "中村", "小林", "加藤",
          "吉田", "山本", "松本", "井上", "木村", "林", "斎藤", "清水", "山崎", "森"]
GIVEN = ["太郎", "花子", "一郎", "美咲", "健太", "陽子", "翔", "愛", "大輔", "直美",
         "誠", "由美", "拓也", "恵", "浩二", "真由美", "隆", "彩", "剛", "さくら"]
READING = ["ﾔﾏﾀﾞ", "ｻﾄｳ", "ｽｽﾞｷ", "ﾀｶﾊｼ", "ﾀﾅｶ", "ｲﾄｳ", "ﾜﾀﾅﾍﾞ", "ﾅｶﾑﾗ", "ｺﾊﾞﾔｼ", "ｶﾄｳ"]
PLACES = ["東京都港区芝公園", "東京都新宿区西新宿", "大阪府大阪市北区梅田", "愛知県名古屋市中区栄",
          "北海道札幌市中央区", "福岡県福岡市博多区", "神奈川県横浜市西区", "京都府京都市下京区",
          "兵庫県神戸市中央区", "宮城県仙台市青葉区", "広島県広島市中区", "沖縄県那覇市泉崎"]
PRODUCTS = ["ノートパソコン", "液晶ディスプレイ", "キーボード", "マウス", "プリンター", "ＵＳＢメモリ",
            "外付けハードディスク", "ルーター", "ヘッドセット", "タブレット", "ソフトウェア保守", "ケーブル（２ｍ）"]

CHUNK = 50000


def encode(texts):
    return [text.encode("cp932") for text in texts]


def chunk(rng, first, count, pools):
    family, given, reading, places, products = pools
    rand = rng.randrange
    lines = []
    for number in range(first, first + count):
        lines.append(b"%d,%s%s,%s,%s%d-%d,0%d-%04d-%04d,%010d,%s,%d,2024/%02d/%02d\r\n" % (
            number, family[rand(20)], given[rand(20)], reading[rand(10)], places[rand(12)],
            rand(1, 30), rand(1, 20), rand(3, 10), rand(10000), rand(10000), rand(10 ** 10),
            products[rand(12)], rand(100, 2000000), rand(1, 13), rand(1, 29)))
    return b"".join(lines)


def write_data(path, size_bytes, seed):
    rng = random.Random(seed)
    pools = tuple(encode(pool) for pool in (FAMILY, GIVEN, READING, PLACES, PRODUCTS))
    written = 0
    first = 1
    with open(path, "wb") as out:
        while written < size_bytes:
            block = chunk(rng, first, CHUNK, pools)
            out.write(block)
            written += len(block)
            first += CHUNK
    return first - 1


def write_conditions(path, count, seed):
    rng = random.Random(seed * 7919 + count)
    numbers = rng.sample(range(10 ** 6), count)
    with open(path, "wb") as out:
        for number in numbers:
            out.write(b"%06d\n" % number)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--size-mb", type=int, default=1024, help="size of the data file in MiB (default 1024)")
    parser.add_argument("--seed", type=int, default=932)
    parser.add_argument("--data", required=True, help="the CSV file to write")
    parser.add_argument("--conditions", required=True,
                        help="prefix of the condition files; COUNT.txt is appended")
    parser.add_argument("--counts", default="1,100,1000", help="numbers of conditions (default 1,100,1000)")
    args = parser.parse_args()
    records = write_data(args.data, args.size_mb * 1024 * 1024, args.seed)
    for count in (int(text) for text in args.counts.split(",")):
        write_conditions("%s%d.txt" % (args.conditions, count), count, args.seed)
    print("%d records" % records)


if __name__ == "__main__":
    main()
